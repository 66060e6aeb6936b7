#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "base/Units.h"
#include "geo/Angles.h"

namespace {
// (input, expected output) pairs of a function of one angle, or (a, b, expected) of two.
using Cases1 = std::vector<std::pair<double, double>>;
using Cases2 = std::vector<std::array<double, 3>>;
}  // namespace

TEST(AngleNormalisation, FoldsIntoEachFunctionsRange) {
    // Angle360 keeps exactly 360, Angle0to360 does not; Angle180 is the half-open
    // range (-180, 180]; Latitudinize folds over the poles.
    for (const auto& [in, out] : Cases1{{360, 360}, {720, 0}, {-10, 350}}) EXPECT_DOUBLE_EQ(Angle360(in), out) << in;
    for (const auto& [in, out] : Cases1{{360, 0}, {-370, 350}, {725.5, 5.5}}) EXPECT_DOUBLE_EQ(Angle0to360(in), out) << in;
    for (const auto& [in, out] : Cases1{{190, -170}, {-190, 170}, {180, 180}, {540, 180}, {-725, -5}})
        EXPECT_DOUBLE_EQ(Angle180(in), out) << in;
    for (const auto& [in, out] : Cases1{{45, 45}, {100, 80}, {-100, -80}, {460, 80}})
        EXPECT_DOUBLE_EQ(Latitudinize(in), out) << in;
    // A remainder that rounds up to 360 must still land inside [0, 360).
    double tiny = Angle0to360(-1e-15);
    EXPECT_TRUE(tiny >= 0.0 && tiny < 360.0) << tiny;
    EXPECT_EQ(Angle180(Vector3d(350.0, -350.0, 45.0)), Vector3d(-10.0, 10.0, 45.0));
}

TEST(AngleDifferences, SignedUnsignedRelativeToAReferenceAndInterpolatedOnTheShortArc) {
    for (const auto& [a, b, out] : Cases2{{350, 10, 20}, {10, 350, 20}, {0, 180, 180}})
        EXPECT_DOUBLE_EQ(headingDiff(a, b), out) << a << " " << b;
    for (const auto& [a, b, out] : Cases2{{10, 350, 20}, {350, 10, -20}, {90, 45, 45}, {180, 0, 180}})
        EXPECT_DOUBLE_EQ(AngleDiff(a, b), out) << a << " " << b;
    for (const auto& [a, b, out] : Cases2{{-179, 179, 2}, {359, 1, -2}, {10, 10, 0}})
        EXPECT_DOUBLE_EQ(transformLongitude(a, b), out) << a << " " << b;
    EXPECT_NEAR(lerpAngle(0.0, units::kPi / 2, 0.5), units::kPi / 4, 1e-12);
    // From 350 to 10 degrees the midpoint is 0, not 180.
    EXPECT_NEAR(lerpAngle(units::degreesToRadians(350.0), units::degreesToRadians(10.0), 0.5), 0.0, 1e-12);
}

TEST(AngleTexts, DegreesAndMinutesAndRunwayNumbers) {
    const std::pair<double, const char*> positions[] = {{7.25, "7  15'"}, {-7.25, "-7  -15'"}, {10.123456, "10  7.40736'"}};
    for (const auto& [value, text] : positions) EXPECT_EQ(LatLongToString(value), text) << value;
    const std::pair<int, const char*> runways[] = {{73, "07"}, {355, "36"}, {3, "00"}, {275, "28"}, {274, "27"}};
    for (const auto& [heading, label] : runways) EXPECT_EQ(RunwayDir(heading), label) << heading;
    for (const auto& [direction, label] : {std::pair<float, const char*>{2, "36"}, {95, "10"}, {-90, "27"}, {44, "04"}})
        EXPECT_EQ(dir2Label(direction), label) << direction;
}
