#include <gtest/gtest.h>

#include "chart/elements/ObstructionElement.h"
#include "chart/elements/VORElement.h"
#include "map/rules/AltitudeChange.h"

namespace {

TEST(AltitudeChange, obstaclesCrossingTheLineOrMovingAwayWhileShown) {
    ObstructionElement obstacle;
    obstacle.topMSL = 500;
    char bytes[3];
    obstacle.writeStaticData(bytes);
    // clang-format off
    struct Case { double from, to, scale; bool lowObstacles, terrain, changes; } cases[] = {
        {1600, 1601, 1, false, true, true}, {1700, 1550, 1, false, true, true}, {3000, 5000, 1, false, true, false},
        {1000, 1060, 1, false, true, false}, {1000, 1070, 1, false, true, true}, {3000, 3070, 1, true, true, true},
        {3000, 3060, 1, true, true, false}, {1600, 1601, 15.1, false, true, false},
        {1600, 1601, 1, false, false, false}};
    // clang-format on
    for (const Case& c : cases) {
        MapRenderFacts facts;
        facts.scale = c.scale;
        facts.settings.lowObstacles = c.lowObstacles, facts.settings.terrainEnable = c.terrain;
        EXPECT_EQ(may2DMapPotentiallyChange(facts, bytes, c.from, c.to), c.changes) << c.from << " to " << c.to;
    }
    VORElement vor;
    vor.writeStaticData(bytes);
    EXPECT_FALSE(may2DMapPotentiallyChange(MapRenderFacts(), bytes, 0, 30000));
}

}  // namespace
