#include "base/Time.h"

#include <gtest/gtest.h>

TEST(Clock, DifferencesSurviveTheWrapAndBothUnitsAreOneClock) {
    EXPECT_EQ(TimeDiff(1000, 400), 600u);
    EXPECT_EQ(TimeDiff(10, 0xFFFFFFF0u), 20u);  // after a wrap: twice the time since the wrap
    uint32_t ms = getMilliSecs();
    EXPECT_NEAR(getSecs() * 1000.0, static_cast<double>(ms), 50.0);
    delay(20);
    EXPECT_GE(TimeDiff(getMilliSecs(), ms), 20u);
}
