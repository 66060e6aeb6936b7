#include <gtest/gtest.h>

#include "RulesTestElements.h"
#include "map/rules/ChartSymbols.h"
#include "map/rules/RenderPriorities.h"

namespace {

TEST(RenderPriorities, drawingOrderFromGroundToNavaids) {
    // clang-format off
    const IChartElement* const bottomToTop[] = {
        new POIElement, new G(groundOf(G::UNKNOWN_KIND)), new G(groundOf(G::WATER)), new G(groundOf(G::RIVER)),
        new G(groundOf(G::ROAD)), new G(groundOf(G::APRON)), new G(groundOf(G::RUNWAY)), new G(groundOf(G::BORDER)),
        new G(groundOf(G::BORDER_ALONG_RIVER)), new ObstructionElement, new AirwayElement,
        new AirspaceElement(airspaceOf("FIR", 24500)), new AirspaceElement(airspaceOf("E", 2500)),
        new AirspaceElement(airspaceOf("D", 5000)), new AirspaceElement(airspaceOf("D", 0)),
        new AirspaceElement(airspaceOf("r", 3000)), new AirspaceElement(airspaceOf("P", 0)), new MarkElement,
        new AirportElement, new WaypointElement, new NDBElement, new VORElement};
    // clang-format on
    for (size_t i = 1; i < std::size(bottomToTop); ++i)
        EXPECT_LT(getPriority(*bottomToTop[i - 1]), getPriority(*bottomToTop[i])) << i;
    for (const IChartElement* element : bottomToTop) delete element;
}

TEST(RenderPriorities, aTapPrefersTheSmallerAirspaceTheToweredFieldAndPublicWaypoints) {
    EXPECT_GT(getSelectPriority(airspaceOf("CTR", 0, 0.05)), getSelectPriority(airspaceOf("C", 0, 0.5)));
    EXPECT_GE(getSelectPriority(airspaceOf("C", 0, 80)), 100400);
    EXPECT_LT(getSelectPriority(airspaceOf("CTR", 0, 0.0001)), getSelectPriority(WaypointElement()));
    AirportElement towered, untowered;
    towered.towered = true;
    EXPECT_GT(getSelectPriority(towered), getSelectPriority(untowered));
    WaypointElement open, other;
    open.pub = true, other.pub = false;
    EXPECT_GT(getSelectPriority(open), getSelectPriority(other));
}

TEST(ChartSymbols, airportSymbolByKindAndLongestRunway) {
    AirportElement airport;
    EXPECT_EQ(chooseAirportSymbol(airport).symbol, AirportSymbol::UNTOWERED);
    EXPECT_FALSE(chooseAirportSymbol(airport).hasRunway);
    airport.runways.resize(2);
    airport.runways[0].direction = 40, airport.runways[0].length = 500;
    airport.runways[1].direction = 250, airport.runways[1].length = 1200, airport.runways[1].surface = Runway::SOLID;
    airport.towered = airport.privateUse = true;
    const AirportSymbolChoice choice = chooseAirportSymbol(airport);
    EXPECT_EQ(choice.symbol, AirportSymbol::PRIVATE);
    EXPECT_DOUBLE_EQ(choice.runwayHeadingDegrees, 70.0);
    EXPECT_TRUE(choice.hasRunway && choice.hardSurface);
    airport.military = airport.heliport = true;
    EXPECT_EQ(chooseAirportSymbol(airport).symbol, AirportSymbol::HELIPORT);
    airport.closed = true;
    EXPECT_EQ(chooseAirportSymbol(airport).symbol, AirportSymbol::CLOSED);
}

TEST(ChartSymbols, standAloneDMEsCustomWaypointsAndObstaclesByClearance) {
    VORElement vor;
    vor.vorType = VORElement::VORDME, vor.name = "WALDA";
    EXPECT_EQ(chooseNavaidSymbol(vor), NavaidSymbol::VOR_DME);
    vor.name = "FRANKFURT DME";
    EXPECT_EQ(chooseNavaidSymbol(vor), NavaidSymbol::DME);
    WaypointElement waypoint;
    waypoint.usedByAirways = waypoint.rp = true;
    EXPECT_EQ(chooseWaypointSymbol(waypoint, 2), WaypointSymbol::REPORTING_POINT);
    EXPECT_EQ(chooseWaypointSymbol(waypoint, -2), WaypointSymbol::USER_WAYPOINT);
    ObstructionElement obstacle;
    obstacle.topMSL = 1500, obstacle.heightAGL = 1000;
    const ObstacleLook danger = chooseObstacleLook(obstacle, 2000, MapPalette::DAY);
    EXPECT_TRUE(danger.exceptionallyHigh);
    EXPECT_EQ(chooseObstacleLook(obstacle, 1000, MapPalette::DAY).colour, danger.colour);
    const ObstacleLook caution = chooseObstacleLook(obstacle, 2001, MapPalette::DAY);
    EXPECT_FALSE(caution.colour == danger.colour);
    EXPECT_EQ(chooseObstacleLook(obstacle, 2600, MapPalette::DAY).colour, caution.colour);
    EXPECT_FALSE(chooseObstacleLook(obstacle, 2601, MapPalette::DAY).colour == caution.colour);
}

}  // namespace
