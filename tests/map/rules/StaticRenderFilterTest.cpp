#include <gtest/gtest.h>

#include "RulesTestElements.h"
#include "map/rules/AltitudeChange.h"
#include "map/rules/StaticRenderFilter.h"

namespace {

using S = MapSettings;

// What a hand-made element is: its flags, and whether it is in the flight
// plan and among the procedures' targets (LISTED) or the pilot's own (CUSTOM).
// clang-format off
enum What {
    TOWERED = 1 << 0, HELI = 1 << 1, NO_RUNWAYS = 1 << 2, PRIVATE = 1 << 3, GLIDER = 1 << 4, CLOSED = 1 << 5,
    HIGH = 1 << 6, LOW = 1 << 7, AIRWAYS = 1 << 8, PUBLIC = 1 << 9, REPORTING = 1 << 10, LISTED = 1 << 11,
    CUSTOM = 1 << 12};
// At a scale, with one setting switched on and one off, the element made
// from `what` (flags, a kind, an altitude) is drawn or not.
struct Case { double scale; int what; Setting on, off; bool drawn; };
// clang-format on

template <class Make>
void expectDrawn(Make make, std::initializer_list<Case> cases, double ownAltitudeFeet = 0, double visibleArea = 0) {
    for (const Case& c : cases) {
        MapRenderFacts f = facts(c.scale, c.on, c.off);
        f.flightPlanAirports = f.procedureTargets = {3, 5, 9};
        f.ownAltitudeFeet = ownAltitudeFeet, f.visibleAreaSquareMetres = visibleArea;
        f.irrelevantAirspaceClasses = irrelevantStaticAirspaceClasses(
            [](const std::string& cls) { return cls == "E" || cls == "FIR" || cls.empty(); });
        char bytes[3];
        make(c.what).writeStaticData(bytes);
        const int32_t id = c.what & CUSTOM ? -1 : c.what & LISTED ? 5 : 4;
        EXPECT_EQ(StaticRenderFilter(f).isPotentiallyRenderable(id, bytes), c.drawn) << c.scale << " " << c.what;
    }
}

template <class Point>
Point airwayPoint(int what) {
    Point p;
    p.highAltUsage = what & HIGH, p.lowAltUsage = what & LOW, p.usedByAirways = what & AIRWAYS;
    return p;
}

TEST(StaticRenderFilter, airportsByScaleKindAndFlightPlan) {
    // clang-format off
    const auto airport = [](int what) {
        AirportElement a;
        a.towered = what & TOWERED, a.heliport = what & HELI, a.privateUse = what & PRIVATE, a.glider = what & GLIDER;
        a.closed = what & CLOSED;
        if (!(what & NO_RUNWAYS)) a.runways.emplace_back();
        return a; };
    expectDrawn(airport, {
        {40, 0, 0, 0, true}, {55, 0, 0, 0, true}, {56, 0, 0, 0, false}, {56, TOWERED, 0, 0, true},
        {56, LISTED, 0, 0, false}, {56, TOWERED | CLOSED | LISTED, 0, 0, true}, {1, HELI | NO_RUNWAYS, 0, 0, false},
        {1, HELI | NO_RUNWAYS, &S::heliports, 0, true}, {1, HELI, 0, 0, true},
        {1, HELI | NO_RUNWAYS | LISTED, 0, 0, true},
        {1, PRIVATE, 0, 0, false}, {1, PRIVATE, &S::privateAirports, 0, true}, {1, GLIDER, 0, 0, false},
        {1, GLIDER | TOWERED, 0, 0, true}, {1, GLIDER, &S::glider, 0, true}, {1, CLOSED, 0, 0, false},
        {1, CLOSED, &S::closed, 0, true}, {1, CLOSED | LISTED, 0, 0, true},
        {1, PRIVATE | GLIDER, &S::glider, 0, false}});
    // clang-format on
}

TEST(StaticRenderFilter, airspacesByClassBottomAndBlacklist) {
    const auto airspace = [](const char* cls) { return [cls](int bottom) { return airspaceOf(cls, bottom); }; };
    // clang-format off
    expectDrawn(airspace("C"), {{1, 10000, 0, 0, false}, {1, 9990, 0, 0, true}, {1, -2000, 0, 0, true},
                                {1, 0, 0, &S::airspaces, false}});
    expectDrawn(airspace("TP"), {{0.3, 0, 0, 0, true}, {0.31, 0, 0, 0, false}});
    expectDrawn(airspace("E"), {{1, 0, 0, 0, false}, {1, 0, &S::irrelevant, 0, true},
                                {1, 10000, &S::irrelevant, 0, false}});
    expectDrawn(airspace("TRA"), {{1, 0, 0, 0, true}});
    // clang-format on
}

TEST(StaticRenderFilter, obstaclesAgainstTheOwnAltitude) {
    // clang-format off
    const auto obstacle = [](int top) { ObstructionElement o; o.topMSL = top; return o; };
    expectDrawn(obstacle, {{1, 500, 0, 0, false}, {1, 500, &S::lowObstacles, 0, true}, {1, 900, 0, 0, true},
                           {1, 899, 0, 0, false}, {15.1, 900, &S::lowObstacles, 0, false},
                           {1, 900, 0, &S::terrainEnable, false}}, 2000);
    expectDrawn(obstacle, {{1, 500, 0, 0, true}, {15, 500, 0, 0, true}}, 1500);
    expectDrawn(obstacle, {{1, -1700, 0, 0, true}}, -540);  // a top below -500 m reads as -500 m
    // clang-format on
}

TEST(StaticRenderFilter, waypointsNavaidsAirwaysAndMarks) {
    // clang-format off
    const auto waypoint = [](int what) {
        WaypointElement w = airwayPoint<WaypointElement>(what);
        w.pub = what & PUBLIC, w.rp = what & REPORTING; return w; };
    expectDrawn(waypoint, {
        {20, CUSTOM, 0, 0, true}, {15.1, LISTED, 0, 0, false}, {15, LISTED, 0, 0, true}, {0.3, PUBLIC, 0, 0, true},
        {0.31, PUBLIC, 0, 0, false}, {0.3, AIRWAYS, 0, 0, true}, {0.3, 0, 0, 0, false}, {0.99, REPORTING, 0, 0, true},
        {1.0, REPORTING, 0, 0, false}, {10, AIRWAYS | LOW, 0, 0, true}, {10, AIRWAYS | HIGH, 0, 0, false},
        {10, AIRWAYS | HIGH, &S::highIFR, 0, true}, {10, LOW, 0, 0, false}, {15.1, AIRWAYS | LOW, 0, 0, false}});
    const std::initializer_list<Case> navaids = {
        {2.5, 0, 0, 0, true}, {20, 0, 0, 0, false}, {20, AIRWAYS | LOW, 0, 0, true}, {20, LOW, 0, 0, false},
        {20, AIRWAYS | HIGH, 0, 0, false}, {20, AIRWAYS | HIGH, &S::highIFR, 0, true},
        {20, AIRWAYS | LOW, 0, &S::lowIFR, false}, {30.1, AIRWAYS | LOW, 0, 0, false}, {100, LISTED, 0, 0, true}};
    expectDrawn(airwayPoint<NDBElement>, navaids);
    expectDrawn(airwayPoint<VORElement>, navaids);
    expectDrawn(airwayPoint<NDBElement>, {{2.6, 0, 0, 0, false}});
    expectDrawn(airwayPoint<VORElement>, {{10, 0, 0, 0, true}, {13.5, 0, 0, 0, true}, {13.6, 0, 0, 0, false}});
    const auto airway = [](int what) {
        AirwayElement a; a.highAltUsage = what & HIGH, a.lowAltUsage = what & LOW; return a; };
    expectDrawn(airway, {{1, LOW, 0, 0, false}, {30, LOW, &S::airways, 0, true}, {30.1, LOW, &S::airways, 0, false},
                         {1, LOW, &S::airways, &S::lowIFR, false}, {1, HIGH, &S::airways, 0, false}});
    expectDrawn([](int) { return MarkElement(); }, {{1, 0, 0, 0, false}, {1000, 0, &S::marks, 0, true}});
    // clang-format on
}

TEST(StaticRenderFilter, pointsOfInterestByTypeScaleAndSetting) {
    using P = POIElement;
    // clang-format off
    const auto poi = [](int type) { P p; p.poiType = static_cast<uint8_t>(type); return p; };
    expectDrawn(poi, {
        {0.003, P::HAMLET, 0, 0, true}, {0.004, P::HAMLET, 0, 0, false}, {0.003, P::HAMLET, 0, &S::cities, false},
        {1e6, P::COUNTRY, 0, &S::cities, true}, {1, P::COUNTRY, 0, &S::pois, false}, {1e-9, P::REGION, 0, 0, false},
        {63, P::STATE, 0, 0, true}, {0.5, P::PEAK, 0, &S::cities, true}, {0.5, P::VOLCANO, 0, &S::peaks, false},
        {2.5, P::LAKE_400, 0, &S::peaks, true}, {2.6, P::LAKE_400, 0, 0, false},
        {1e-9, P::POI_TYPE_COUNT, 0, 0, false}});
    // clang-format on
}

TEST(StaticRenderFilter, groundGeometryByKindScaleAndSize) {
    const auto line = [](int kind) { return groundOf(kind); };
    // clang-format off
    expectDrawn(line, {
        {0.085, G::TAXIWAY, 0, 0, true}, {0.086, G::HELIPAD, 0, 0, false},
        {0.01, G::UNKNOWN_KIND, 0, &S::taxiways, false},
        {0.085, G::BUILDING, 0, &S::taxiways, true}, {4.21, G::ROAD, 0, 0, true}, {4.22, G::ROAD, 0, 0, false},
        {0.45, G::RAILWAY, 0, 0, false}, {0.1, G::RAILWAY, 0, &S::railways, false}, {27, G::RIVER, 0, 0, true},
        {27.1, G::RIVER, 0, 0, false}, {1, G::RIVER, 0, &S::water, false}, {12, G::COASTLINE, 0, 0, false},
        {12, G::COASTLINE, &S::coastlines, 0, true}, {12.1, G::COASTLINE, &S::coastlines, 0, false},
        {0.085, G::WATER, 0, 0, true}, {0.086, G::WATER, 0, 0, false}, {11, G::BORDER, 0, 0, true},
        {11.1, G::BORDER, 0, 0, false}, {11, G::BORDER_ALONG_COAST, 0, &S::countryborders, false},
        {11, G::BORDER_ALONG_COAST, &S::coastlines, &S::countryborders, true},
        {11, G::BORDER_ALONG_ROAD, 0, &S::countryborders, true},
        {11, G::BORDER_ALONG_RIVER, 0, &S::countryborders, true},
        {1e-6, 21, 0, 0, false}});
    // Areas: below 1/10000 of the view (1e11 m² here) left out; a bounding box below 200000 m² only up close.
    const auto lake = [](int storedArea) { return groundOf(G::WATER, true, 0.1, storedArea); };
    const auto pond = [](int storedArea) { return groundOf(G::WATER, true, 0.001, storedArea); };
    expectDrawn(lake, {{1, 20000000, 0, 0, true}, {1, 5000000, 0, 0, false}, {1, 0, 0, 0, true}}, 0, 1e11);
    expectDrawn(pond, {{0.0875, 100000, 0, 0, true}, {0.088, 100000, 0, 0, false}});
    expectDrawn([](int) { return groundOf(G::RIVER, false, 0.001); }, {{0.088, 0, 0, 0, false}});
    expectDrawn([](int) { return groundOf(G::ROAD, false, 0.001); }, {{1, 0, 0, 0, true}});
    // clang-format on
}

TEST(StaticRenderFilter, altitudeChangesMatterForObstaclesCrossingTheLineOrMovingWhileShown) {
    ObstructionElement obstacle;
    obstacle.topMSL = 500;
    char bytes[3];
    obstacle.writeStaticData(bytes);
    // clang-format off
    struct Move { double from, to, scale; Setting on, off; bool changes; } moves[] = {
        {1600, 1601, 1, 0, 0, true}, {1700, 1550, 1, 0, 0, true}, {3000, 5000, 1, 0, 0, false},
        {1000, 1060, 1, 0, 0, false}, {1000, 1070, 1, 0, 0, true}, {3000, 3070, 1, &S::lowObstacles, 0, true},
        {3000, 3060, 1, &S::lowObstacles, 0, false}, {1600, 1601, 15.1, 0, 0, false},
        {1600, 1601, 1, 0, &S::terrainEnable, false}};
    // clang-format on
    for (const Move& m : moves)
        EXPECT_EQ(may2DMapPotentiallyChange(facts(m.scale, m.on, m.off), bytes, m.from, m.to), m.changes) << m.from;
    VORElement().writeStaticData(bytes);
    EXPECT_FALSE(may2DMapPotentiallyChange(MapRenderFacts(), bytes, 0, 30000));
}

}  // namespace
