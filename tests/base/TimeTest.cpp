#include "base/Time.h"

#include <gtest/gtest.h>

TEST(TimeDiff, ForwardAndWrappedDifferences) {
    EXPECT_EQ(TimeDiff(1000, 400), 600u);
    EXPECT_EQ(TimeDiff(5, 5), 0u);
    EXPECT_EQ(TimeDiff(10, 0xFFFFFFF0u), 20u);  // a wrapped counter counts twice the time since the wrap
}

TEST(Clock, MillisecondsAndSecondsAreTheSameClock) {
    uint32_t ms = getMilliSecs();
    double s = getSecs();
    EXPECT_NEAR(s * 1000.0, static_cast<double>(ms), 50.0);
    delay(20);
    EXPECT_GE(TimeDiff(getMilliSecs(), ms), 20u);
}
