#include <gtest/gtest.h>

#include "map/rules/ScreenHitTest.h"

namespace {

TEST(ScreenHitTest, symbolsLinesAndAreasWithAFingersTolerance) {
    EXPECT_TRUE(hitsSymbol({13, 14}, {10, 10}, 5));
    EXPECT_FALSE(hitsSymbol({13, 14.1}, {10, 10}, 5));
    const std::vector<ScreenPoint> airway = {{0, 0}, {100, 0}, {100, 100}};
    EXPECT_TRUE(hitsPolyline({50, 4}, airway, 4));
    EXPECT_FALSE(hitsPolyline({50, 5}, airway, 4));
    EXPECT_FALSE(hitsPolyline({-3, 4}, airway, 4));   // beyond the end, not on the line's extension
    EXPECT_FALSE(hitsPolyline({50, 50}, airway, 4));  // a line has no inside
    EXPECT_TRUE(hitsPolyline({1, 1}, {{0, 0}}, 2));
    // A square with a square hole made by a polygon that runs back on itself.
    const std::vector<ScreenPoint> ring = {{0, 0},   {100, 0}, {100, 100}, {0, 100}, {0, 0},
                                           {30, 30}, {30, 70}, {70, 70},   {70, 30}, {30, 30}};
    EXPECT_TRUE(hitsArea({10, 50}, ring, 2));
    EXPECT_FALSE(hitsArea({50, 50}, ring, 2));
    EXPECT_TRUE(hitsArea({101, 50}, ring, 2));
    EXPECT_FALSE(hitsArea({104, 50}, ring, 2));
    EXPECT_FALSE(hitsArea({1, 1}, {}, 2));
}

}  // namespace
