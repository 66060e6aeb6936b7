#include <gtest/gtest.h>

#include "chart/elements/AirportElement.h"
#include "chart/elements/AirspaceElement.h"
#include "chart/elements/AirwayElement.h"
#include "chart/elements/GroundGeometryElement.h"
#include "chart/elements/MarkElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/ObstructionElement.h"
#include "chart/elements/POIElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"
#include "map/rules/ChartSymbols.h"
#include "map/rules/RenderPriorities.h"

namespace {

AirspaceElement airspace(const char* cls, int bottom, double sizeDegrees = 0.1) {
    AirspaceElement a;
    a.airspaceClass = cls, a.bottom = bottom, a.bottomReference = AirspaceElement::MSL;
    a.points = {{10, 50}, {10 + sizeDegrees, 50}, {10 + sizeDegrees, 50 + sizeDegrees}};
    a.updateBoundingBox();
    return a;
}

GroundGeometryElement ground(int kind) {
    GroundGeometryElement g;
    g.kind = static_cast<uint8_t>(kind);
    return g;
}

TEST(RenderPriorities, drawingOrderFromGroundToNavaids) {
    using G = GroundGeometryElement;
    const IChartElement* const bottomToTop[] = {new POIElement,
                                                new G(ground(G::UNKNOWN_KIND)),
                                                new G(ground(G::WATER)),
                                                new G(ground(G::RIVER)),
                                                new G(ground(G::ROAD)),
                                                new G(ground(G::APRON)),
                                                new G(ground(G::RUNWAY)),
                                                new G(ground(G::BORDER)),
                                                new G(ground(G::BORDER_ALONG_RIVER)),
                                                new ObstructionElement,
                                                new AirwayElement,
                                                new AirspaceElement(airspace("FIR", 24500)),
                                                new AirspaceElement(airspace("E", 2500)),
                                                new AirspaceElement(airspace("D", 5000)),
                                                new AirspaceElement(airspace("D", 0)),
                                                new AirspaceElement(airspace("r", 3000)),
                                                new AirspaceElement(airspace("P", 0)),
                                                new MarkElement,
                                                new AirportElement,
                                                new WaypointElement,
                                                new NDBElement,
                                                new VORElement};
    for (size_t i = 1; i < std::size(bottomToTop); ++i)
        EXPECT_LT(getPriority(*bottomToTop[i - 1]), getPriority(*bottomToTop[i])) << i;
    for (const IChartElement* element : bottomToTop) delete element;
}

TEST(RenderPriorities, aTapPrefersTheSmallerAirspaceTheToweredFieldAndPublicWaypoints) {
    EXPECT_GT(getSelectPriority(airspace("CTR", 0, 0.05)), getSelectPriority(airspace("C", 0, 0.5)));
    EXPECT_GE(getSelectPriority(airspace("C", 0, 80)), 100400);
    EXPECT_LT(getSelectPriority(airspace("CTR", 0, 0.0001)), getSelectPriority(WaypointElement()));
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

TEST(ChartSymbols, navaidSymbolByType) {
    VORElement vor;
    EXPECT_EQ(chooseNavaidSymbol(vor), NavaidSymbol::VOR);
    vor.vorType = VORElement::VORDME, vor.name = "WALDA";
    EXPECT_EQ(chooseNavaidSymbol(vor), NavaidSymbol::VOR_DME);
    vor.name = "FRANKFURT DME";
    EXPECT_EQ(chooseNavaidSymbol(vor), NavaidSymbol::DME);
    vor.vorType = VORElement::TACAN;
    EXPECT_EQ(chooseNavaidSymbol(vor), NavaidSymbol::TACAN);
    EXPECT_EQ(chooseNavaidSymbol(NDBElement()), NavaidSymbol::NDB);
}

}  // namespace
