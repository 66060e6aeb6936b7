#include "fusion/estimation/RotationMath.h"

#include <algorithm>
#include <cmath>

#include "base/Units.h"

namespace rotation {

Matrix3x3 fromAxisAngle(const Vector3d& v) {
    const double angle = v.getLength();
    if (angle < 1e-12) return Matrix3x3();
    const Vector3d k = v / angle;
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    return Matrix3x3(t * k.x * k.x + c, t * k.x * k.y - s * k.z, t * k.x * k.z + s * k.y,  //
                     t * k.x * k.y + s * k.z, t * k.y * k.y + c, t * k.y * k.z - s * k.x,  //
                     t * k.x * k.z - s * k.y, t * k.y * k.z + s * k.x, t * k.z * k.z + c);
}

Matrix3x3 fromUpAndForward(const Vector3d& up, const Vector3d& forward) {
    const Vector3d u = up.normalized();
    const Vector3d f = (forward - u * forward.dotProduct(u)).normalized();
    return Matrix3x3(u, f);
}

Matrix3x3 orthonormalized(const Matrix3x3& m) { return fromUpAndForward(m.getUpVector(), m.getForwardVector()); }

Vector3d alignmentAxisAngle(const Vector3d& from, const Vector3d& to) {
    const Vector3d a = from.normalized(), b = to.normalized();
    const Vector3d axis = a.crossProduct(b);
    const double s = axis.getLength();
    if (s < 1e-12) return Vector3d();
    return axis * (std::atan2(s, a.dotProduct(b)) / s);
}

EulerDegrees toEulerDegrees(const Matrix3x3& r) {
    const Vector3d right = r.getColumn(0), up = r.getColumn(1), fwd = r.getColumn(2);
    EulerDegrees e;
    e.pitch = units::radiansToDegrees(std::asin(std::clamp(fwd.y, -1.0, 1.0)));
    e.roll = units::radiansToDegrees(std::atan2(-right.y, up.y));
    double heading = units::radiansToDegrees(std::atan2(fwd.x, fwd.z));
    e.heading = heading < 0 ? heading + 360.0 : heading;
    return e;
}

Matrix3x3 fromEulerDegrees(double roll, double pitch, double heading) {
    // The matrix convention turns positive angles nose down and left wing down.
    return Matrix3x3::fromEuler(units::degreesToRadians(heading), -units::degreesToRadians(pitch),
                                -units::degreesToRadians(roll));
}

double angleBetweenDegrees(const Matrix3x3& a, const Matrix3x3& b) {
    const Matrix3x3 d = a.getTranspose() * b;
    const double trace = d.m[0][0] + d.m[1][1] + d.m[2][2];
    return units::radiansToDegrees(std::acos(std::clamp((trace - 1.0) / 2.0, -1.0, 1.0)));
}

}  // namespace rotation
