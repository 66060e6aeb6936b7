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

bool alignUpAndTrack(const Vector3d& bodyUp, const Vector3d& earthUp, double trackDegrees, Matrix3x3& out) {
    if (std::fabs(earthUp.y) < 0.02) return false;
    const Vector3d u = bodyUp.normalized();
    if (std::fabs(u.y) < 0.02) return false;
    const Matrix3x3 body(u, Vector3d(0, -u.z / u.y, 1).normalized());
    const double s = std::sin(units::degreesToRadians(trackDegrees)),
                 c = std::cos(units::degreesToRadians(trackDegrees));
    const Vector3d earthForward = Vector3d(s, (-earthUp.x * s - earthUp.z * c) / earthUp.y, c).normalized();
    out = Matrix3x3(earthUp.normalized(), earthForward) * body.getTranspose();
    return true;
}

bool alignUpAndField(const Vector3d& bodyUp, const Vector3d& field, Matrix3x3& out) {
    const Vector3d u = bodyUp.normalized();
    const Vector3d north = field - u * field.dotProduct(u);
    if (north.getLength() < 1e-6 || u.getLength() == 0) return false;
    // Body (up, north) onto earth (up, north): the transpose of the body basis.
    out = Matrix3x3(u, north.normalized()).getTranspose();
    return true;
}

Matrix3x3 blend(const Matrix3x3& from, const Matrix3x3& to, double fraction) {
    const Matrix3x3 d = to * from.getTranspose();
    const Vector3d axis(d.m[2][1] - d.m[1][2], d.m[0][2] - d.m[2][0], d.m[1][0] - d.m[0][1]);
    const double s = axis.getLength() / 2.0, c = (d.m[0][0] + d.m[1][1] + d.m[2][2] - 1.0) / 2.0;
    const double angle = std::atan2(s, c);
    if (s < 1e-12) return c > 0 ? to : from;
    return orthonormalized(fromAxisAngle(axis * (angle * std::clamp(fraction, 0.0, 1.0) / (2.0 * s))) * from);
}

double angleBetweenDegrees(const Matrix3x3& a, const Matrix3x3& b) {
    const Matrix3x3 d = a.getTranspose() * b;
    const double trace = d.m[0][0] + d.m[1][1] + d.m[2][2];
    return units::radiansToDegrees(std::acos(std::clamp((trace - 1.0) / 2.0, -1.0, 1.0)));
}

}  // namespace rotation
