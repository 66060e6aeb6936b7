#include "app/EventReceiver.h"

#include <gtest/gtest.h>

using namespace irr;

namespace {
SEvent key(EKEY_CODE code, bool down) {
    SEvent e{};
    e.EventType = EET_KEY_INPUT_EVENT;
    e.KeyInput.Key = code;
    e.KeyInput.PressedDown = down;
    return e;
}

SEvent mouse(int x, int y) {
    SEvent e{};
    e.EventType = EET_MOUSE_INPUT_EVENT;
    e.MouseInput.Event = EMIE_LMOUSE_PRESSED_DOWN;
    e.MouseInput.X = x;
    e.MouseInput.Y = y;
    return e;
}

struct Swallower : IEventReceiver {
    int seen = 0;
    bool swallow = true;
    bool OnEvent(const SEvent&) override { return ++seen, swallow; }
};

class EventReceiverTest : public ::testing::Test {
protected:
    EventReceiver r{nullptr, 200};
};
}  // namespace

TEST_F(EventReceiverTest, QueuesInOrderAndTheEventBeyondCapacityReplacesTheWholeBacklog) {
    r.OnEvent(mouse(1, 2));
    r.OnEvent(mouse(3, 4));
    EXPECT_EQ(r.getEvent().MouseInput.X, 1);  // a look does not take it
    EXPECT_EQ(r.popEvent().MouseInput.X, 1);
    EXPECT_EQ(r.popEvent().MouseInput.X, 3);
    EXPECT_FALSE(r.isEventAvailable());
    for (int i = 0; i <= 200; ++i) {
        EXPECT_EQ(r.getEventCount(), static_cast<unsigned>(i));
        r.OnEvent(mouse(i, 0));
    }
    ASSERT_EQ(r.getEventCount(), 1u);
    EXPECT_EQ(r.getEvent().MouseInput.X, 200);
}

TEST_F(EventReceiverTest, KeyTableFollowsPressAndReleaseAndReleasingInsertRequestsOneScreenshot) {
    r.OnEvent(key(KEY_KEY_A, true));
    r.OnEvent(key(KEY_INSERT, true));
    EXPECT_TRUE(r.isKeyDown(KEY_KEY_A) && !r.isKeyDown(KEY_KEY_B));
    EXPECT_FALSE(r.takeScreenshotRequest());  // pressing alone does nothing
    r.OnEvent(key(KEY_KEY_A, false));
    r.OnEvent(key(KEY_INSERT, false));
    EXPECT_FALSE(r.isKeyDown(KEY_KEY_A));
    EXPECT_TRUE(r.takeScreenshotRequest() && !r.takeScreenshotRequest());
    EXPECT_EQ(r.getEventCount(), 4u);  // key events are still queued for the panels
}

TEST_F(EventReceiverTest, SubReceiverThatConsumesKeepsTheEventOutOfTheQueue) {
    Swallower first, second;
    r.addSubEventReceiver(&first);
    r.addSubEventReceiver(&second);
    EXPECT_TRUE(r.OnEvent(mouse(5, 5)));
    EXPECT_EQ(first.seen + 10 * second.seen, 1);
    EXPECT_EQ(r.getEventCount(), 0u);
    first.swallow = second.swallow = false;
    EXPECT_FALSE(r.OnEvent(mouse(5, 5)));
    EXPECT_EQ(second.seen, 1);
    EXPECT_EQ(r.getEventCount(), 1u);
    r.removeSubEventReceiver(&first);
    r.OnEvent(mouse(5, 5));
    EXPECT_EQ(first.seen, 2);
}

TEST_F(EventReceiverTest, MessageOverlayHidesMouseEventsInsideItsBoxFromTheGUI) {
    core::rect<int> box(10, 10, 20, 20);
    r.setMessageOverlayBox(&box);
    EXPECT_FALSE(r.OnEvent(mouse(15, 15)));  // overlay not visible
    r.setMessageOverlayVisible(true);
    // Borders included; key events are never hidden.
    for (const auto& [event, hidden] : {std::pair<SEvent, bool>{mouse(10, 10), true}, {mouse(20, 20), true},
                                        {mouse(21, 15), false}, {key(KEY_KEY_A, true), false}})
        EXPECT_EQ(r.OnEvent(event), hidden) << event.MouseInput.X;
    r.setMessageOverlayBox(nullptr);
    EXPECT_FALSE(r.OnEvent(mouse(15, 15)));
    EXPECT_EQ(r.getEventCount(), 6u);  // all of them still reach the queue
}
