#include <gtest/gtest.h>

#include <vector>

#include "base/Units.h"
#include "geo/Angles.h"

namespace {
// One function and its (input, expected output) pairs.
template <class Function, class Case>
struct Cases {
    Function function;
    const char* name;
    std::vector<Case> cases;
};
}  // namespace

TEST(AngleNormalisation, FoldsIntoEachFunctionsRange) {
    const Cases<double (*)(double), std::pair<double, double>> table[] = {
        // Angle360 keeps exactly 360, Angle0to360 does not
        {Angle360, "Angle360", {{360, 360}, {720, 0}, {-10, 350}}},
        {Angle0to360, "Angle0to360", {{360, 0}, {-370, 350}, {725.5, 5.5}}},
        // half-open range (-180, 180]
        {Angle180, "Angle180", {{190, -170}, {-190, 170}, {180, 180}, {540, 180}, {-725, -5}}},
        // folded over the poles
        {Latitudinize, "Latitudinize", {{45, 45}, {100, 80}, {-100, -80}, {460, 80}}},
        {hlp_Flip, "hlp_Flip", {{30, 150}}},
    };
    for (const auto& t : table)
        for (const auto& [in, out] : t.cases) EXPECT_DOUBLE_EQ(t.function(in), out) << t.name << "(" << in << ")";
    // A remainder that rounds up to 360 must still land inside [0, 360).
    double tiny = Angle0to360(-1e-15);
    EXPECT_GE(tiny, 0.0);
    EXPECT_LT(tiny, 360.0);
    EXPECT_EQ(Angle180(Vector3d(350.0, -350.0, 45.0)), Vector3d(-10.0, 10.0, 45.0));
    EXPECT_EQ(Angle180(Vector3f(270.0f, 0.0f, -181.0f)), Vector3f(-90.0f, 0.0f, 179.0f));
}

TEST(AngleDifferences, SignedUnsignedRelativeToAReferenceAndInterpolatedOnTheShortArc) {
    struct Pair {
        double a, b, out;
    };
    const Cases<double (*)(double, double), Pair> table[] = {
        {headingDiff, "headingDiff", {{350, 10, 20}, {10, 350, 20}, {0, 180, 180}}},
        {AngleDiff, "AngleDiff", {{10, 350, 20}, {350, 10, -20}, {90, 45, 45}, {180, 0, 180}}},
        {transformLongitude, "transformLongitude", {{-179, 179, 2}, {359, 1, -2}, {10, 10, 0}}},
    };
    for (const auto& t : table)
        for (const Pair& c : t.cases)
            EXPECT_DOUBLE_EQ(t.function(c.a, c.b), c.out) << t.name << "(" << c.a << ", " << c.b << ")";
    EXPECT_NEAR(lerpAngle(0.0, units::kPi / 2, 0.5), units::kPi / 4, 1e-12);
    // From 350 to 10 degrees the midpoint is 0, not 180.
    EXPECT_NEAR(lerpAngle(units::degreesToRadians(350.0), units::degreesToRadians(10.0), 0.5), 0.0, 1e-12);
    EXPECT_NEAR(lerpAngle(1.0, 2.0, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(lerpAngle(1.0, 2.0, 1.0), 2.0, 1e-12);
}

TEST(AngleTexts, DegreesAndMinutesAndRunwayNumbers) {
    const std::pair<double, const char*> positions[] = {
        {7.25, "7  15'"}, {48.5, "48  30'"}, {-7.25, "-7  -15'"}, {0.0, "0  0'"}, {10.123456, "10  7.40736'"}};
    for (const auto& [value, text] : positions) EXPECT_EQ(LatLongToString(value), text) << value;
    const std::pair<int, const char*> runways[] = {{73, "07"}, {355, "36"}, {3, "00"}, {275, "28"}, {274, "27"}};
    for (const auto& [heading, label] : runways) EXPECT_EQ(RunwayDir(heading), label) << heading;
    const std::pair<float, const char*> labels[] = {{2, "36"},  {355, "36"}, {360, "36"},
                                                    {95, "10"}, {-90, "27"}, {44, "04"}};
    for (const auto& [direction, label] : labels) EXPECT_EQ(dir2Label(direction), label) << direction;
}
