#include <gtest/gtest.h>

#include "geo/Angles.h"

TEST(AngleNormalisation, Angle360KeepsExactly360ButAngle0to360Wraps) {
    EXPECT_EQ(Angle360(360.0), 360.0);
    EXPECT_EQ(Angle0to360(360.0), 0.0);
    EXPECT_EQ(Angle360(720.0), 0.0);
    EXPECT_DOUBLE_EQ(Angle360(-10.0), 350.0);
    EXPECT_DOUBLE_EQ(Angle0to360(-370.0), 350.0);
    EXPECT_DOUBLE_EQ(Angle0to360(725.5), 5.5);
    // A remainder that rounds up to 360 must still land inside [0, 360).
    double tiny = Angle0to360(-1e-15);
    EXPECT_GE(tiny, 0.0);
    EXPECT_LT(tiny, 360.0);
}

TEST(AngleNormalisation, Angle180FoldsIntoHalfOpenRange) {
    EXPECT_DOUBLE_EQ(Angle180(190.0), -170.0);
    EXPECT_DOUBLE_EQ(Angle180(-190.0), 170.0);
    EXPECT_DOUBLE_EQ(Angle180(180.0), 180.0);
    EXPECT_DOUBLE_EQ(Angle180(540.0), 180.0);
    EXPECT_DOUBLE_EQ(Angle180(-725.0), -5.0);
    Vector3d v = Angle180(Vector3d(350.0, -350.0, 45.0));
    EXPECT_DOUBLE_EQ(v.x, -10.0);
    EXPECT_DOUBLE_EQ(v.y, 10.0);
    EXPECT_DOUBLE_EQ(v.z, 45.0);
    Vector3f f = Angle180(Vector3f(270.0f, 0.0f, -181.0f));
    EXPECT_FLOAT_EQ(f.x, -90.0f);
    EXPECT_FLOAT_EQ(f.z, 179.0f);
}

TEST(AngleNormalisation, LatitudinizeFoldsOverThePoles) {
    EXPECT_DOUBLE_EQ(Latitudinize(45.0), 45.0);
    EXPECT_DOUBLE_EQ(Latitudinize(100.0), 80.0);
    EXPECT_DOUBLE_EQ(Latitudinize(-100.0), -80.0);
    EXPECT_DOUBLE_EQ(Latitudinize(460.0), 80.0);
}

TEST(AngleNormalisation, TransformLongitudeIsRelativeToReference) {
    EXPECT_DOUBLE_EQ(transformLongitude(-179.0, 179.0), 2.0);
    EXPECT_DOUBLE_EQ(transformLongitude(359.0, 1.0), -2.0);
    EXPECT_DOUBLE_EQ(transformLongitude(10.0, 10.0), 0.0);
}

TEST(AngleDifferences, SignedAndUnsigned) {
    EXPECT_DOUBLE_EQ(headingDiff(350.0, 10.0), 20.0);
    EXPECT_DOUBLE_EQ(headingDiff(10.0, 350.0), 20.0);
    EXPECT_DOUBLE_EQ(headingDiff(0.0, 180.0), 180.0);
    EXPECT_DOUBLE_EQ(AngleDiff(10.0, 350.0), 20.0);
    EXPECT_DOUBLE_EQ(AngleDiff(350.0, 10.0), -20.0);
    EXPECT_DOUBLE_EQ(AngleDiff(90.0, 45.0), 45.0);
    EXPECT_DOUBLE_EQ(AngleDiff(180.0, 0.0), 180.0);
    EXPECT_DOUBLE_EQ(hlp_Flip(30.0), 150.0);
}

TEST(AngleDifferences, LerpAngleTakesTheShortArc) {
    const double pi = 3.14159265358979323846;
    EXPECT_NEAR(lerpAngle(0.0, pi / 2, 0.5), pi / 4, 1e-12);
    // From 350 to 10 degrees the midpoint is 0, not 180.
    EXPECT_NEAR(lerpAngle(350.0 * pi / 180, 10.0 * pi / 180, 0.5), 0.0, 1e-12);
    EXPECT_NEAR(lerpAngle(1.0, 2.0, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(lerpAngle(1.0, 2.0, 1.0), 2.0, 1e-12);
}

TEST(AngleTexts, LatLongToStringSplitsDegreesAndMinutes) {
    EXPECT_EQ(LatLongToString(7.25), "7  15'");
    EXPECT_EQ(LatLongToString(48.5), "48  30'");
    EXPECT_EQ(LatLongToString(-7.25), "-7  -15'");
    EXPECT_EQ(LatLongToString(0.0), "0  0'");
    EXPECT_EQ(LatLongToString(10.123456), "10  7.40736'");
}

TEST(AngleTexts, RunwayNumbers) {
    const std::pair<int, const char*> runways[] = {{73, "07"}, {355, "36"}, {3, "00"}, {275, "28"}, {274, "27"}};
    for (const auto& [heading, label] : runways) EXPECT_EQ(RunwayDir(heading), label) << heading;
    const std::pair<float, const char*> labels[] = {{2, "36"},  {355, "36"}, {360, "36"},
                                                    {95, "10"}, {-90, "27"}, {44, "04"}};
    for (const auto& [direction, label] : labels) EXPECT_EQ(dir2Label(direction), label) << direction;
}
