#include <gtest/gtest.h>

#include <cmath>

#include "base/Units.h"
#include "sensors/Matrix3x3.h"

namespace {

constexpr double kDeg = units::kRadiansPerDegree;

void expectNear(const Vector3d& a, const Vector3d& b, double eps = 1e-12) {
    EXPECT_NEAR(a.x, b.x, eps);
    EXPECT_NEAR(a.y, b.y, eps);
    EXPECT_NEAR(a.z, b.z, eps);
}

TEST(Matrix3x3, HeadingEastAndPitchReadBackIncludingInvertedFlight) {
    Matrix3x3 east = Matrix3x3::fromEuler(90 * kDeg, 0, 0);
    expectNear(east.getForwardVector(), {1, 0, 0});
    expectNear(east.getUpVector(), {0, 1, 0});
    EXPECT_NEAR(east.getPitchDegrees(), 0.0, 1e-9);
    // The rotation about x maps the nose (z) to (0, -sin, cos): positive
    // pitch angles put the nose down, and instruments read nose-up positive.
    Matrix3x3 noseDown = Matrix3x3::fromEuler(0, 10 * kDeg, 0);
    EXPECT_NEAR(noseDown.getForwardVector().y, -std::sin(10 * kDeg), 1e-12);
    EXPECT_NEAR(noseDown.getPitchDegrees(), -10.0, 1e-9);
    // Heading and roll do not change the nose elevation.
    EXPECT_NEAR(Matrix3x3::fromEuler(0.7, -10 * kDeg, 0.3).getPitchDegrees(), 10.0, 1e-9);
    // Rolled onto the back, the same nose elevation reads 180 - pitch.
    Matrix3x3 inverted = Matrix3x3::fromEuler(0, -10 * kDeg, 180 * kDeg);
    EXPECT_LT(inverted.getUpVector().y, 0.0);
    EXPECT_NEAR(inverted.getPitchDegrees(), 170.0, 1e-9);
}

TEST(Matrix3x3, QuaternionMatchesTheEulerRotationAndTransposeInvertsIt) {
    const double a = 30 * kDeg;  // about y
    Matrix3x3 q = Matrix3x3::fromQuaternion(0, std::sin(a / 2), 0, std::cos(a / 2));
    for (int i = 0; i < 3; ++i) expectNear(q.getRow(i), Matrix3x3::yawRotation(a).getRow(i));
    Matrix3x3 m = Matrix3x3::fromEuler(0.4, -0.2, 1.1);
    Matrix3x3 identity = m * m.getTranspose();
    for (int i = 0; i < 3; ++i) expectNear(identity.getRow(i), Matrix3x3().getRow(i));
    Vector3d v(1, 2, 3);
    expectNear(m.getTranspose() * (m * v), v);
}

}  // namespace
