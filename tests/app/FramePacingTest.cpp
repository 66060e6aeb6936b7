#include "app/FramePacing.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    // A drag: a new size every 100 ms for a second, from 10.0 to 10.9; then one
    // processing, just over a second after the last change.
    std::vector<double> processed;
    for (double t = 10.0; t < 13.0; t += 0.036) {
        const int width = 900 + std::min(9, int((t - 10.0) * 10));
        if (tracker.observe(width, 500, t, false) == ScreenChangeTracker::PROCESS_NOW) processed.push_back(t);
    }
    ASSERT_EQ(processed.size(), 1u);
    EXPECT_TRUE(processed[0] > 10.9 + 1.0 && processed[0] < 10.9 + 1.1) << processed[0];
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
    for (int id = 0; id < 3; ++id) EXPECT_EQ(callbacks.add([&calls, id] { calls.push_back(id); }), id);
    callbacks.remove(2);
    callbacks.remove(0);
    callbacks.remove(7);  // unknown: ignored, not released
    for (int id : {2, 0, 3}) EXPECT_EQ(callbacks.add([&calls, id] { calls.push_back(10 + id); }), id);
    callbacks.callAll();
    EXPECT_EQ(calls, (std::vector<int>{10, 1, 12, 13}));  // ascending id order
}
