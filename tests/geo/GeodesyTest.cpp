#include <gtest/gtest.h>

#include <cmath>

#include "base/Units.h"
#include "geo/Angles.h"
#include "geo/Geodesy.h"

namespace {

// Haversine on the same sphere: an independent reference for long legs.
double haversine(const ChartPosition& a, const ChartPosition& b) {
    const double k = units::kRadiansPerDegree;
    const double h = std::pow(std::sin((b.latitude - a.latitude) * k / 2), 2) +
                     std::cos(a.latitude * k) * std::cos(b.latitude * k) * std::pow(std::sin((b.longitude - a.longitude) * k / 2), 2);
    return 2.0 * EARTH_RADIUS_M * std::asin(std::sqrt(h));
}

constexpr double kEarthRadiusKmSquared =
    (EARTH_RADIUS_M / units::kMetresPerKilometre) * (EARTH_RADIUS_M / units::kMetresPerKilometre);
constexpr double kHalfCircumference = EARTH_RADIUS_M * units::kPi;

void expectSamePlace(const ChartPosition& expected, const ChartPosition& actual, double toleranceDeg = 1e-12) {
    EXPECT_NEAR(transformLongitude(actual.longitude, expected.longitude), 0.0, toleranceDeg);
    EXPECT_NEAR(actual.latitude, expected.latitude, toleranceDeg);
}

}  // namespace

TEST(UnitVectors, AxesFollowTheSphereConventionAndComeBackInAllQuadrants) {
    // x through (0, 0), z through (90 E, 0), y through the north pole.
    const std::pair<Vector3d, ChartPosition> axes[] = {
        {{1, 0, 0}, {0, 0}}, {{0, 0, 1}, {90, 0}}, {{0, 1, 0}, {0, 90}}, {{0, -1, 0}, {0, -90}}, {{-1, 0, 0}, {180, 0}}};
    double lon = -1, lat = -1;
    for (const auto& [axis, position] : axes) {
        EXPECT_NEAR((calcVectorFromChartPositionf64(position) - axis).getLength(), 0.0, 1e-9);
        calcChartPositionFromVector(axis * 2.0, lon, lat);  // the length does not matter
        EXPECT_NEAR(lon, position.longitude, 1e-7);
        EXPECT_NEAR(lat, position.latitude, 1e-7);
    }
    calcChartPositionFromVector(Vector3d(0.0, 0.0, 0.0), lon, lat);
    EXPECT_EQ(std::make_pair(lon, lat), std::make_pair(0.0, 0.0));
    for (double longitude : {45.0, 135.0, 225.0, -45.0}) {  // longitudes come back in [0, 360)
        calcChartPositionFromVector(calcVectorFromChartPositionf64(longitude, -60.0), lon, lat);
        expectSamePlace(ChartPosition(Angle0to360(longitude), -60.0), ChartPosition(lon, lat), 1e-7);
    }
}

TEST(LocalFrame, AxesAndScale) {
    // x east, y up (the height), z north; the half size scales the frame but not the metres.
    const ChartPosition ref(8.5, 47.4);
    const ChartPosition oneKmEast(8.5 + 1000.0 / (METERS_PER_DEGREE * std::cos(47.4 / DEGREES_PER_RADIAN)), 47.4);
    const Vector3d north = ChartPosition2Vector3df64(ref, ChartPosition(8.5, 47.4 + FRAME_HALF_LATITUDE), 123.0);
    EXPECT_NEAR((north - Vector3d(0, 123, 10000)).getLength(), 0.0, 1e-6);
    for (double halfSize : {10000.0, 50000.0})
        EXPECT_NEAR((ChartPosition2Vector3df64(ref, oneKmEast, 0.0, halfSize) - Vector3d(1000, 0, 0)).getLength(), 0.0, 1e-6);
}

TEST(LocalFrame, ClampedCosineBeyondPolarLimit) {
    EXPECT_NEAR(frameCosine(89.9), FRAME_COSINE_AT_LIMIT, 1e-12);  // the limit itself
    for (double latitude : {90.0, -90.0, 89.95}) {
        ChartPosition ref(20.0, latitude);
        Vector3d v = ChartPosition2Vector3df64(ref, ChartPosition(30.0, latitude), 0.0);
        // 10 degrees of longitude at the clamped cosine (a NaN fails too).
        EXPECT_NEAR(v.x, 10.0 * METERS_PER_DEGREE * FRAME_COSINE_AT_LIMIT, 1e-6);
        expectSamePlace(ChartPosition(30.0, latitude), Vector3df642ChartPosition(ref, v), 1e-9);
    }
    // The frame's longitude half span at the limit.
    ChartPosition west = Vector3df642ChartPosition(ChartPosition(0.0, 90.0), Vector3d(-10000.0, 0.0, 0.0));
    EXPECT_NEAR(transformLongitude(west.longitude, 0.0), -51.5273583038984, 1e-9);
}

TEST(LocalFrame, RoundTripsPositionFrameAndBack) {
    const ChartPosition references[] = {{8.54, 47.45}, {179.95, -33.0}, {-179.95, 65.0}, {100.0, -89.95}, {45.0, 89.5}};
    const double offsets[][2] = {{0, 0}, {9000, -9000}, {-9999, 9999}, {-300, -12}};
    for (const ChartPosition& ref : references) {
        for (const auto& offset : offsets) {
            const Vector3d offsetVector(offset[0], 0.0, offset[1]);
            ChartPosition p = Vector3df642ChartPosition(ref, offsetVector);
            Vector3d v = ChartPosition2Vector3df64(ref, p, 0.0);
            EXPECT_NEAR((v - offsetVector).getLength(), 0.0, 1e-6) << ref.longitude << " " << ref.latitude;
            expectSamePlace(p, Vector3df642ChartPosition(ref, v), 1e-10);
        }
    }
    // Across the antimeridian, with the far side in any longitude notation.
    Vector3d across = ChartPosition2Vector3df64(ChartPosition(-179.9, 0.0), ChartPosition(539.9, 0.0), 0.0);
    EXPECT_NEAR(across.x, -0.2 * METERS_PER_DEGREE, 1.0);
}

TEST(Distance, MatchesHaversineOnShortAndLongLegs) {
    ChartPosition a(8.0, 47.0), zurich(8.55, 47.45), sydney(151.18, -33.95);
    EXPECT_EQ(calcDistance2(a, ChartPosition(368.0, 47.0)), 0.0);
    EXPECT_NEAR(calcDistance2(ChartPosition(179.99, 10.0), ChartPosition(-179.99, 10.0)),
                haversine(ChartPosition(179.99, 10.0), ChartPosition(-179.99, 10.0)), 0.5);
    EXPECT_NEAR(calcDistance2(a, calcChartPositionAtBearing(a, 40.0, 5000.0)), 5000.0, 1e-6);  // flat both ways
    EXPECT_NEAR(calcDistance2(zurich, sydney), haversine(zurich, sydney), 0.01);
    EXPECT_NEAR(calcDistance2(ChartPosition(0, 0), ChartPosition(180, 0)), kHalfCircumference, 1.0);
    // Unnormalised and zero vectors.
    Vector3d va = calcVectorFromChartPositionf64(a), vb = calcVectorFromChartPositionf64(zurich);
    EXPECT_NEAR(calcDistance(va * 3.0, vb * 0.5), calcDistance(va, vb), 1e-6);
    EXPECT_NEAR(calcDistance(Vector3d(), vb), kHalfCircumference / 2, 1.0);
}

// Degrees come from radians with the program's factor 180 / 3.141592654: a right angle reads 1e-8 short.
constexpr double BEARING_TOLERANCE = 1e-7;

TEST(Distance, FlatOrSphericalChoiceFollowsTheChordExactly) {
    // The flat value is taken exactly when the unit vectors are less than
    // FLAT_CHORD_LIMIT apart, also near a pole where a short leg spans many
    // degrees of longitude.
    const double limitArc = 2.0 * std::asin(FLAT_CHORD_LIMIT / 2.0) * EARTH_RADIUS_M;
    int flat = 0, spherical = 0;
    for (const ChartPosition& a : {ChartPosition(-179.0, 0.0), ChartPosition(-179.0, 89.95)}) {
        for (double bearing = 0.0; bearing < 360.0; bearing += 45.0) {
            for (double factor : {0.9999, 1.0001}) {
                ChartPosition b = calcChartPositionAtBearing(a, bearing, limitArc * factor);
                Vector3d va = calcVectorFromChartPositionf64(a), vb = calcVectorFromChartPositionf64(b);
                const bool isFlat = (va - vb).getLength() < FLAT_CHORD_LIMIT;
                ++(isFlat ? flat : spherical);
                // Flat exactly; acos this close to 1 carries a few micrometres of noise.
                EXPECT_NEAR(calcDistance2(a, b),
                            isFlat ? ChartPosition2Vector3df64(a, b, 0.0).getLength() : calcDistance(va, vb),
                            isFlat ? 0.0 : 1e-5) << a.latitude << " " << bearing;
            }
        }
    }
    EXPECT_GT(flat * spherical, 0);
}

TEST(Bearing, ToTheFourNeighboursOnBothBranches) {
    // One degree takes the spherical branch, 0.01 degrees the flat one.
    const double neighbours[][3] = {{0, 1, 0}, {1, 0, 90}, {0, -1, 180}, {-1, 0, 270}};
    for (double step : {1.0, 0.01})
        for (const auto& n : neighbours)
            EXPECT_NEAR(calcBearing2(ChartPosition(0, 0), ChartPosition(n[0] * step, n[1] * step)), n[2], BEARING_TOLERANCE);
    // Both branches agree across the switch from flat to spherical.
    ChartPosition a(-122.3, 47.6);
    for (double bearing : {135.0, 300.0}) {
        EXPECT_NEAR(calcBearing2(a, calcChartPositionAtBearing(a, bearing, 6000.0)), bearing, 1e-6);
        EXPECT_NEAR(headingDiff(calcBearing2(a, calcChartPositionAtBearing(a, bearing, 7000.0)), bearing), 0.0, 0.05);
    }
    // Across the antimeridian the great-circle bearing points east.
    EXPECT_NEAR(calcBearing2(ChartPosition(179.0, 0.0), ChartPosition(-179.0, 0.0)), 90.0, BEARING_TOLERANCE);
    // Initial bearing Zurich to New York (north-west, about 295 degrees).
    EXPECT_NEAR(calcBearing2(ChartPosition(8.55, 47.45), ChartPosition(-73.78, 40.64)), 295.0, 1.0);
}

TEST(Areas, PolyLinesAndLatitudeLongitudeRectangles) {
    ChartPosition a(10.0, 50.0);
    ChartPosition b = calcChartPositionAtBearing(a, 90.0, 1000.0);
    ChartPosition c = calcChartPositionAtBearing(b, 0.0, 1000.0);
    ChartPosition d = calcChartPositionAtBearing(a, 0.0, 1000.0);
    EXPECT_NEAR(calcPolyLineLength({a, b, c, d}), 3000.0, 1.0);
    EXPECT_NEAR(calcPolyLineArea({a, b, c, d}), 1e6, 1e3);
    EXPECT_NEAR(calcPolyLineArea({a, d, c, b}), calcPolyLineArea({a, b, c, d}), 1e-6);  // either orientation
    EXPECT_NEAR(calcPolyLineArea({a, b, c}), 0.5e6, 1e3);
    // Square kilometres between two latitudes and longitudes, also across the antimeridian.
    const double oneByOne = kEarthRadiusKmSquared * std::sin(1.0 / DEGREES_PER_RADIAN) / DEGREES_PER_RADIAN;
    EXPECT_NEAR(calcConstrainedArea(ChartPosition(10.0, 1.0), ChartPosition(11.0, 0.0)), oneByOne, 1e-6);
    EXPECT_NEAR(calcConstrainedArea(ChartPosition(-180.5, 1.0), ChartPosition(180.5, 0.0)), oneByOne, 1e-6);
}

TEST(Areas, CenterRectangleAndBoundingBox) {
    expectSamePlace(ChartPosition(180.0, 1.0),
                    calcChartPositionCenter(ChartPosition(179.0, 0.0), ChartPosition(-179.0, 2.0)));
    expectSamePlace(ChartPosition(345.0, 45.0),
                    calcChartPositionCenter(ChartPosition(-10.0, 40.0), ChartPosition(-20.0, 50.0)));

    ChartPosition nw, se;
    calcRectangleAround(nw, se, ChartPosition(8.0, 47.0), 2000.0);
    expectSamePlace(calcChartPositionAtBearing(ChartPosition(8.0, 47.0), 315.0, 1000.0 * std::sqrt(2.0)), nw, 1e-6);
    EXPECT_NEAR(calcDistance2(nw, se), 2000.0 * std::sqrt(2.0), 1.0);

    double area = -1.0;
    EXPECT_FALSE(calculateBoundingBox(nw, se, area, {ChartPosition(5.0, 6.0)}));  // one point spans no area
    ChartPosition ref(10.0, 50.0);
    ChartPosition east = calcChartPositionAtBearing(ref, 90.0, 3000.0);
    ChartPosition south = calcChartPositionAtBearing(ref, 180.0, 2000.0);
    ChartPosition northWest = calcChartPositionAtBearing(ref, 315.0, 1000.0 * std::sqrt(2.0));
    EXPECT_TRUE(calculateBoundingBox(nw, se, area, {ref, east, south, northWest}));
    expectSamePlace(northWest, nw);
    expectSamePlace(ChartPosition(east.longitude, south.latitude), se);
    EXPECT_NEAR(area, 4000.0 * 3000.0, 1.0);
}
