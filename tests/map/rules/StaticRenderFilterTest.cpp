#include <gtest/gtest.h>

#include "RulesTestElements.h"
#include "map/rules/AltitudeChange.h"
#include "map/rules/StaticRenderFilter.h"

namespace {

bool drawn(const MapRenderFacts& f, const IChartElement& element, int32_t id = 5) {
    char bytes[3];
    element.writeStaticData(bytes);
    return StaticRenderFilter(f).isPotentiallyRenderable(id, bytes);
}

enum { TOWERED = 1, HELI = 2, NO_RUNWAYS = 4, PRIVATE = 8, GLIDER = 16, CLOSED = 32, IN_PLAN = 64 };

TEST(StaticRenderFilter, airportsByScaleKindAndFlightPlan) {
    // clang-format off
    struct Case { double scale; int what; Setting on; bool drawn; } cases[] = {
        {40, 0, nullptr, true}, {55, 0, nullptr, true}, {56, 0, nullptr, false}, {56, TOWERED, nullptr, true},
        {56, IN_PLAN, nullptr, false}, {56, TOWERED | CLOSED | IN_PLAN, nullptr, true},
        {1, HELI | NO_RUNWAYS, nullptr, false}, {1, HELI | NO_RUNWAYS, &MapSettings::heliports, true},
        {1, HELI, nullptr, true}, {1, HELI | NO_RUNWAYS | IN_PLAN, nullptr, true}, {1, PRIVATE, nullptr, false},
        {1, PRIVATE, &MapSettings::privateAirports, true}, {1, GLIDER, nullptr, false},
        {1, GLIDER | TOWERED, nullptr, true}, {1, GLIDER, &MapSettings::glider, true}, {1, CLOSED, nullptr, false},
        {1, CLOSED, &MapSettings::closed, true}, {1, CLOSED | IN_PLAN, nullptr, true},
        {1, PRIVATE | GLIDER, &MapSettings::glider, false}};
    // clang-format on
    for (const Case& c : cases) {
        AirportElement airport;
        airport.towered = c.what & TOWERED, airport.heliport = c.what & HELI, airport.privateUse = c.what & PRIVATE;
        airport.glider = c.what & GLIDER, airport.closed = c.what & CLOSED;
        if (!(c.what & NO_RUNWAYS)) airport.runways.emplace_back();
        MapRenderFacts f = facts(c.scale, c.on);
        f.flightPlanAirports = {3, 5, 9};
        EXPECT_EQ(drawn(f, airport, c.what & IN_PLAN ? 5 : 4), c.drawn) << c.scale << " " << c.what;
    }
}

TEST(StaticRenderFilter, airspacesByClassBottomAndBlacklist) {
    // clang-format off
    struct Case { const char* cls; int bottom; double scale; Setting on, off; bool drawn; } cases[] = {
        {"C", 10000, 1, nullptr, nullptr, false}, {"C", 9990, 1, nullptr, nullptr, true},
        {"C", -2000, 1, nullptr, nullptr, true}, {"C", 0, 1, nullptr, &MapSettings::airspaces, false},
        {"TP", 0, 0.3, nullptr, nullptr, true}, {"TP", 0, 0.31, nullptr, nullptr, false},
        {"E", 0, 1, nullptr, nullptr, false}, {"E", 0, 1, &MapSettings::irrelevant, nullptr, true},
        {"E", 10000, 1, &MapSettings::irrelevant, nullptr, false}, {"TRA", 0, 1, nullptr, nullptr, true},
        {"D", 0, 1, nullptr, nullptr, true}};
    // clang-format on
    for (const Case& c : cases) {
        MapRenderFacts f = facts(c.scale, c.on, c.off);
        f.irrelevantAirspaceClasses = irrelevantStaticAirspaceClasses(
            [](const std::string& cls) { return cls == "E" || cls == "FIR" || cls.empty(); });
        EXPECT_EQ(drawn(f, airspaceOf(c.cls, c.bottom)), c.drawn) << c.cls << " " << c.bottom << " at " << c.scale;
    }
}

TEST(StaticRenderFilter, obstaclesAgainstTheOwnAltitude) {
    // clang-format off
    struct Case { int top; double altitude, scale; Setting on, off; bool drawn; } cases[] = {
        {500, 2000, 1, nullptr, nullptr, false}, {500, 2000, 1, &MapSettings::lowObstacles, nullptr, true},
        {500, 1500, 1, nullptr, nullptr, true}, {500, 1600, 1, nullptr, nullptr, true},
        {500, 1601, 1, nullptr, nullptr, false}, {500, 1500, 15.1, &MapSettings::lowObstacles, nullptr, false},
        {500, 0, 1, nullptr, &MapSettings::terrainEnable, false}, {5000, 6100, 1, nullptr, nullptr, true},
        {-1700, 0, 1, nullptr, nullptr, false}};
    // clang-format on
    for (const Case& c : cases) {
        ObstructionElement obstacle;
        obstacle.topMSL = c.top;
        MapRenderFacts f = facts(c.scale, c.on, c.off);
        f.ownAltitudeFeet = c.altitude;
        EXPECT_EQ(drawn(f, obstacle), c.drawn) << c.top << " from " << c.altitude;
    }
}

enum { HIGH = 1, LOW = 2, AIRWAYS = 4, PUBLIC = 8, REPORTING = 16, TARGET = 32, CUSTOM = 64 };

template <class Point>
Point airwayPoint(int what) {
    Point point;
    point.highAltUsage = what & HIGH, point.lowAltUsage = what & LOW, point.usedByAirways = what & AIRWAYS;
    return point;
}

bool pointDrawn(const IChartElement& point, double scale, int what, Setting on = nullptr) {
    MapRenderFacts f = facts(scale, on);
    f.procedureTargets = {-3, 5, 77};
    return drawn(f, point, what & CUSTOM ? -1 : what & TARGET ? 77 : 78);
}

TEST(StaticRenderFilter, waypointsByScaleUsageAndProcedures) {
    // clang-format off
    struct Case { double scale; int what; Setting on; bool drawn; } cases[] = {
        {20, CUSTOM, nullptr, true}, {15.1, TARGET, nullptr, false}, {15, TARGET, nullptr, true},
        {0.3, PUBLIC, nullptr, true}, {0.31, PUBLIC, nullptr, false}, {0.3, AIRWAYS, nullptr, true},
        {0.3, 0, nullptr, false}, {0.99, REPORTING, nullptr, true}, {1.0, REPORTING, nullptr, false},
        {10, AIRWAYS | LOW, nullptr, true}, {10, AIRWAYS | HIGH, nullptr, false},
        {10, AIRWAYS | HIGH, &MapSettings::highIFR, true}, {10, LOW, nullptr, false},
        {15.1, AIRWAYS | LOW, nullptr, false}};
    // clang-format on
    for (const Case& c : cases) {
        WaypointElement waypoint = airwayPoint<WaypointElement>(c.what);
        waypoint.pub = c.what & PUBLIC, waypoint.rp = c.what & REPORTING;
        EXPECT_EQ(pointDrawn(waypoint, c.scale, c.what, c.on), c.drawn) << c.scale << " " << c.what;
    }
}

TEST(StaticRenderFilter, navaidsAllWhenCloseOnlyAirwaysFurtherOut) {
    // clang-format off
    struct Case { double scale; int what; Setting on; bool ndb, vor; } cases[] = {
        {2.5, 0, nullptr, true, true}, {2.6, 0, nullptr, false, true}, {10, 0, nullptr, false, true},
        {13.5, 0, nullptr, false, true}, {20, 0, nullptr, false, false}, {20, AIRWAYS | LOW, nullptr, true, true},
        {20, LOW, nullptr, false, false}, {20, AIRWAYS | HIGH, nullptr, false, false},
        {20, AIRWAYS | HIGH, &MapSettings::highIFR, true, true}, {30.1, AIRWAYS | LOW, nullptr, false, false},
        {100, TARGET, nullptr, true, true}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(pointDrawn(airwayPoint<NDBElement>(c.what), c.scale, c.what, c.on), c.ndb) << c.scale << c.what;
        EXPECT_EQ(pointDrawn(airwayPoint<VORElement>(c.what), c.scale, c.what, c.on), c.vor) << c.scale << c.what;
    }
}

TEST(StaticRenderFilter, airwaysAndMarksBySetting) {
    AirwayElement low, high;
    low.lowAltUsage = true, high.highAltUsage = true;
    EXPECT_FALSE(drawn(facts(1), low));
    EXPECT_TRUE(drawn(facts(30, &MapSettings::airways), low));
    EXPECT_FALSE(drawn(facts(30.1, &MapSettings::airways), low));
    EXPECT_FALSE(drawn(facts(1, &MapSettings::airways, &MapSettings::lowIFR), low));
    EXPECT_FALSE(drawn(facts(1, &MapSettings::airways), high));
    MapRenderFacts both = facts(1, &MapSettings::airways, &MapSettings::lowIFR);
    both.settings.highIFR = true;
    EXPECT_TRUE(drawn(both, high));
    EXPECT_FALSE(drawn(facts(1), MarkElement()));
    EXPECT_TRUE(drawn(facts(1000, &MapSettings::marks), MarkElement()));
}

TEST(StaticRenderFilter, pointsOfInterestByTypeScaleAndSetting) {
    // clang-format off
    struct Case { int type; double scale; Setting off; bool drawn; } cases[] = {
        {POIElement::HAMLET, 0.003, nullptr, true}, {POIElement::HAMLET, 0.004, nullptr, false},
        {POIElement::HAMLET, 0.003, &MapSettings::cities, false},
        {POIElement::COUNTRY, 1e6, &MapSettings::cities, true}, {POIElement::COUNTRY, 1, &MapSettings::pois, false},
        {POIElement::REGION, 1e-9, nullptr, false}, {POIElement::STATE, 63, nullptr, true},
        {POIElement::PEAK, 0.5, &MapSettings::cities, true}, {POIElement::VOLCANO, 0.5, &MapSettings::peaks, false},
        {POIElement::LAKE_400, 2.5, &MapSettings::peaks, true}, {POIElement::LAKE_400, 2.6, nullptr, false},
        {POIElement::POI_TYPE_COUNT, 1e-9, nullptr, false}};
    // clang-format on
    for (const Case& c : cases) {
        POIElement poi;
        poi.poiType = static_cast<uint8_t>(c.type);
        EXPECT_EQ(drawn(facts(c.scale, nullptr, c.off), poi), c.drawn) << c.type << " at " << c.scale;
    }
}

TEST(StaticRenderFilter, groundGeometryByKindScaleAndSize) {
    // clang-format off
    struct Case { int kind; double scale; Setting on, off; bool drawn; } cases[] = {
        {G::TAXIWAY, 0.085, nullptr, nullptr, true}, {G::HELIPAD, 0.086, nullptr, nullptr, false},
        {G::UNKNOWN_KIND, 0.01, nullptr, &MapSettings::taxiways, false},
        {G::BUILDING, 0.085, nullptr, &MapSettings::taxiways, true}, {G::ROAD, 4.21, nullptr, nullptr, true},
        {G::ROAD, 4.22, nullptr, nullptr, false}, {G::RAILWAY, 0.45, nullptr, nullptr, false},
        {G::RAILWAY, 0.1, nullptr, &MapSettings::railways, false}, {G::RIVER, 27, nullptr, nullptr, true},
        {G::RIVER, 27.1, nullptr, nullptr, false}, {G::RIVER, 1, nullptr, &MapSettings::water, false},
        {G::COASTLINE, 12, nullptr, nullptr, false}, {G::COASTLINE, 12, &MapSettings::coastlines, nullptr, true},
        {G::COASTLINE, 12.1, &MapSettings::coastlines, nullptr, false}, {G::WATER, 0.085, nullptr, nullptr, true},
        {G::WATER, 0.086, nullptr, nullptr, false}, {G::BORDER, 11, nullptr, nullptr, true},
        {G::BORDER, 11.1, nullptr, nullptr, false},
        {G::BORDER_ALONG_COAST, 11, nullptr, &MapSettings::countryborders, false},
        {G::BORDER_ALONG_COAST, 11, &MapSettings::coastlines, &MapSettings::countryborders, true},
        {G::BORDER_ALONG_ROAD, 11, nullptr, &MapSettings::countryborders, true},
        {G::BORDER_ALONG_RIVER, 11, nullptr, &MapSettings::water, true}, {21, 1e-6, nullptr, nullptr, false}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(drawn(facts(c.scale, c.on, c.off), groundOf(c.kind)), c.drawn) << c.kind << " at " << c.scale;
}

TEST(StaticRenderFilter, waterBySizeAgainstTheView) {
    MapRenderFacts f = facts(1);
    f.visibleAreaSquareMetres = 1e11;  // water areas below 1e7 m² are left out
    EXPECT_TRUE(drawn(f, groundOf(G::WATER, true, 0.1, 2e7)));
    EXPECT_FALSE(drawn(f, groundOf(G::WATER, true, 0.1, 5e6)));
    EXPECT_TRUE(drawn(f, groundOf(G::RIVER, false, 0.1)));  // lines have no area
    EXPECT_TRUE(drawn(f, groundOf(G::WATER, true, 0.1)));   // nor have unknown areas
    f.visibleAreaSquareMetres = 0;
    f.scale = 0.0875;
    EXPECT_TRUE(drawn(f, groundOf(G::WATER, true, 0.001, 1e5)));  // bounding box below 200000 m²
    f.scale = 0.088;
    EXPECT_FALSE(drawn(f, groundOf(G::WATER, true, 0.001, 1e5)));
    EXPECT_TRUE(drawn(f, groundOf(G::WATER, true, 0.01, 1e5)));
    EXPECT_TRUE(drawn(f, groundOf(G::ROAD, false, 0.001)));  // size counts for water only
}

TEST(StaticRenderFilter, altitudeChangesMatterForObstaclesCrossingTheLineOrMovingWhileShown) {
    ObstructionElement obstacle;
    obstacle.topMSL = 500;
    char bytes[3];
    obstacle.writeStaticData(bytes);
    // clang-format off
    struct Case { double from, to, scale; Setting on, off; bool changes; } cases[] = {
        {1600, 1601, 1, nullptr, nullptr, true}, {1700, 1550, 1, nullptr, nullptr, true},
        {3000, 5000, 1, nullptr, nullptr, false}, {1000, 1060, 1, nullptr, nullptr, false},
        {1000, 1070, 1, nullptr, nullptr, true}, {3000, 3070, 1, &MapSettings::lowObstacles, nullptr, true},
        {3000, 3060, 1, &MapSettings::lowObstacles, nullptr, false}, {1600, 1601, 15.1, nullptr, nullptr, false},
        {1600, 1601, 1, nullptr, &MapSettings::terrainEnable, false}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(may2DMapPotentiallyChange(facts(c.scale, c.on, c.off), bytes, c.from, c.to), c.changes) << c.from;
    VORElement().writeStaticData(bytes);
    EXPECT_FALSE(may2DMapPotentiallyChange(MapRenderFacts(), bytes, 0, 30000));
}

}  // namespace
