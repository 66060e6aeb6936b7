// Needle and scale arithmetic of the round gauges, and attitude read back
// from rotations built from known angles.
#include "panels/instruments/InstrumentMath.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/Units.h"
#include "sensors/Matrix3x3.h"

namespace {

constexpr double kRad = units::kPi / 180.0;

TEST(InstrumentMath, AltimeterNeedlesTurnThirtySixDegreesPerUnit) {
    // The angles keep their full turns; the dial shows them modulo 360.
    const AltimeterNeedles a = altimeterNeedleAngles(12345);
    EXPECT_NEAR(a.tenThousands, 44.442, 1e-9);
    EXPECT_NEAR(a.thousands, 444.42, 1e-9);
    EXPECT_NEAR(std::fmod(a.thousands, 360), 84.42, 1e-9);
    EXPECT_NEAR(a.hundreds, 4444.2, 1e-9);
    EXPECT_NEAR(std::fmod(a.hundreds, 360), 124.2, 1e-9);
    // Below sea level the needles stand counter-clockwise from the top.
    const AltimeterNeedles low = altimeterNeedleAngles(-200);
    EXPECT_NEAR(std::fmod(low.hundreds, 360), 288.0, 1e-9);
    EXPECT_NEAR(std::fmod(low.thousands, 360), 352.8, 1e-9);
}

TEST(InstrumentMath, VerticalSpeedIsLogarithmicAndSymmetric) {
    EXPECT_EQ(verticalSpeedDeflection(0), 0.0);
    EXPECT_NEAR(verticalSpeedDeflection(-1500), -90.0, 1e-6);
    EXPECT_NEAR(verticalSpeedDeflection(3000), 135.0, 1e-6);
    EXPECT_LT(verticalSpeedDeflection(20000), 180.0);
    EXPECT_GT(verticalSpeedDeflection(20000), 179.8);
}

TEST(InstrumentMath, SpeedScaleCoversThreeHundredTwentyDegreesWithItsExponent) {
    EXPECT_DOUBLE_EQ(speedScaleAngle(40, 40, 200, 1.0), 20.0);
    EXPECT_DOUBLE_EQ(speedScaleAngle(200, 40, 200, 0.7), 340.0);
    EXPECT_DOUBLE_EQ(speedScaleAngle(10, 40, 200, 0.7), 20.0);   // stops at the ends
    EXPECT_DOUBLE_EQ(speedScaleAngle(400, 40, 200, 0.7), 340.0);
    EXPECT_DOUBLE_EQ(speedScaleAngle(120, 40, 200, 1.0), 180.0);
    // An exponent below 1 spreads the low speeds: half speed sits past half way.
    EXPECT_NEAR(speedScaleAngle(120, 40, 200, 0.5), 20.0 + 320.0 * std::sqrt(0.5), 1e-12);
}

TEST(InstrumentMath, GroundSpeedStandsInOnlyForAMissingOrUnsetAirspeed) {
    SpeedSource s;
    s.hasGroundSpeed = true, s.groundSpeed = 55;
    EXPECT_TRUE(chooseDisplayedSpeed(s).isGroundSpeed);
    EXPECT_EQ(chooseDisplayedSpeed(s).value, 55);
    s.hasAirspeed = true;  // value 0, time stamp 0: never set
    EXPECT_TRUE(chooseDisplayedSpeed(s).isGroundSpeed);
    s.airspeedTimeStamp = 12;  // a real zero (standing still)
    EXPECT_FALSE(chooseDisplayedSpeed(s).isGroundSpeed);
    EXPECT_EQ(chooseDisplayedSpeed(s).value, 0);
    s.hasGroundSpeed = false, s.airspeedTimeStamp = 0;  // unset air speed, nothing else
    EXPECT_FALSE(chooseDisplayedSpeed(s).isGroundSpeed);
    s.hasAirspeed = false;
    EXPECT_EQ(chooseDisplayedSpeed(s).value, 0);
    EXPECT_TRUE(chooseDisplayedSpeed(s).isGroundSpeed);
}

// Up and forward vectors of a heading, nose-up pitch and right-wing-down
// roll, built by turning the level axes: roll about the nose, then pitch
// about the wing, then heading about the vertical.
void axes(double heading, double pitch, double roll, Vector3d& forward, Vector3d& up) {
    const double h = heading * kRad, p = pitch * kRad, r = roll * kRad;
    forward = {std::sin(h) * std::cos(p), std::sin(p), std::cos(h) * std::cos(p)};
    const Vector3d level = {std::cos(h), 0, -std::sin(h)};  // the right wing at zero roll
    const Vector3d upNoRoll = forward.crossProduct(level);
    up = upNoRoll * std::cos(r) + level * std::sin(r);
}

TEST(InstrumentMath, AttitudeReadBackFromKnownAngles) {
    struct Case {
        double heading, pitch, roll;
    };
    for (Case c : {Case{0, 0, 0}, Case{30, 10, 20}, Case{200, -15, -45}, Case{90, 60, 170}, Case{359, 5, -120}}) {
        Vector3d f, u;
        axes(c.heading, c.pitch, c.roll, f, u);
        const PitchRoll pr = attitudeAngles(f, u);
        SCOPED_TRACE(std::to_string(c.heading) + " " + std::to_string(c.pitch) + " " + std::to_string(c.roll));
        // Beyond 90 degrees of bank the up vector points down: the pitch is
        // taken as 180 - pitch and folded back, which gives the nose's
        // elevation again.
        EXPECT_NEAR(pr.pitch, c.pitch, 1e-9);
        EXPECT_NEAR(pr.roll, c.roll, 1e-9);
    }
}

TEST(InstrumentMath, AttitudeFromTheSensorMatrixColumns) {
    // The sample's matrix carries up and forward as columns; an unrotated
    // matrix is level, and a 90-degree roll leaves the pitch at zero.
    const Matrix3x3 level;
    const PitchRoll p0 = attitudeAngles(level.getForwardVector(), level.getUpVector());
    EXPECT_NEAR(p0.pitch, 0, 1e-12);
    EXPECT_NEAR(p0.roll, 0, 1e-12);
    Vector3d f, u;
    axes(0, 0, 90, f, u);
    const Matrix3x3 knifeEdge(u, f);
    const PitchRoll p1 = attitudeAngles(knifeEdge.getForwardVector(), knifeEdge.getUpVector());
    EXPECT_NEAR(p1.roll, 90, 1e-9);
    EXPECT_NEAR(p1.pitch, 0, 1e-9);
}

TEST(InstrumentMath, MakeQuadraticCentresTheSquare) {
    EXPECT_EQ(makeQuadratic({10, 20, 110, 60}), irr::core::rect<int>(40, 20, 80, 60));
    EXPECT_EQ(makeQuadratic({0, 0, 30, 101}), irr::core::rect<int>(0, 35, 30, 65));
}

}  // namespace
