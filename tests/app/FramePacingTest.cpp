#include "app/FramePacing.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FramePacing, SleepsTheRestOfThirtySixMilliseconds) {
    const std::pair<unsigned, unsigned> cases[] = {{0, 36}, {10, 26}, {35, 1}, {36, 0}, {50, 0}};
    for (const auto& [busy, sleep] : cases) EXPECT_EQ(frameSleepMs(busy), sleep) << busy;
}

class ScreenChangeTrackerTest : public ::testing::Test {
protected:
    void SetUp() override { tracker.setSize(800, 480); }
    ScreenChangeTracker tracker;
};

TEST_F(ScreenChangeTrackerTest, ProcessesOnceAfterMoreThanOneStableSecond) {
    EXPECT_EQ(tracker.observe(800, 480, 9.0, false), ScreenChangeTracker::NO_CHANGE);
    EXPECT_FALSE(tracker.isPending());
    bool changed = false;
    EXPECT_EQ(tracker.observe(1024, 600, 10.0, false, &changed), ScreenChangeTracker::WAIT);
    EXPECT_TRUE(changed);
    EXPECT_EQ(tracker.observe(1024, 600, 10.5, false, &changed), ScreenChangeTracker::WAIT);
    EXPECT_FALSE(changed);
    // Exactly one second is not "more than" one second.
    EXPECT_EQ(tracker.observe(1024, 600, 11.0, false), ScreenChangeTracker::WAIT);
    EXPECT_EQ(tracker.observe(1024, 600, 11.01, false), ScreenChangeTracker::PROCESS_NOW);
    EXPECT_EQ(tracker.observe(1024, 600, 12.0, false), ScreenChangeTracker::NO_CHANGE);
}

TEST_F(ScreenChangeTrackerTest, RepeatedResizingRestartsTheWait) {
    int processed = 0;
    double t = 10.0;
    // A drag: a new size every 100 ms for a second.
    for (int i = 0; i < 10; ++i, t += 0.1) {
        if (tracker.observe(900 + i, 500, t, false) == ScreenChangeTracker::PROCESS_NOW) ++processed;
    }
    const double lastChange = t - 0.1;
    for (; t < lastChange + 3.0; t += 0.036) {
        if (tracker.observe(909, 500, t, false) == ScreenChangeTracker::PROCESS_NOW) {
            ++processed;
            EXPECT_GT(t - lastChange, 1.0);
            EXPECT_LT(t - lastChange, 1.1);
        }
    }
    EXPECT_EQ(processed, 1);
}

TEST_F(ScreenChangeTrackerTest, ResizeLockPostponesProcessing) {
    tracker.observe(1024, 600, 10.0, true);
    EXPECT_EQ(tracker.observe(1024, 600, 15.0, true), ScreenChangeTracker::WAIT);
    EXPECT_TRUE(tracker.isPending());
    EXPECT_EQ(tracker.observe(1024, 600, 15.1, false), ScreenChangeTracker::PROCESS_NOW);
}

TEST(ResizeCallbacks, IdsCountUpAndReleasedIdsAreReusedFirstInFirstOut) {
    ResizeCallbacks callbacks;
    std::vector<int> calls;
    EXPECT_EQ(callbacks.add([&] { calls.push_back(0); }), 0);
    EXPECT_EQ(callbacks.add([&] { calls.push_back(1); }), 1);
    EXPECT_EQ(callbacks.add([&] { calls.push_back(2); }), 2);
    callbacks.remove(2);
    callbacks.remove(0);
    callbacks.remove(7);  // unknown: ignored, not released
    EXPECT_EQ(callbacks.add([&] { calls.push_back(20); }), 2);
    EXPECT_EQ(callbacks.add([&] { calls.push_back(10); }), 0);
    EXPECT_EQ(callbacks.add([&] { calls.push_back(3); }), 3);
    callbacks.callAll();
    EXPECT_EQ(calls, (std::vector<int>{10, 1, 20, 3}));  // ascending id order
}
