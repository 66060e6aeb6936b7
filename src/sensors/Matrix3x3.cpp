#include "sensors/Matrix3x3.h"

#include "base/Units.h"

#include <algorithm>
#include <cmath>

Matrix3x3::Matrix3x3() : Matrix3x3(1, 0, 0, 0, 1, 0, 0, 0, 1) {}

Matrix3x3::Matrix3x3(double m00, double m01, double m02, double m10, double m11, double m12, double m20,
                     double m21, double m22)
    : m{{m00, m01, m02}, {m10, m11, m12}, {m20, m21, m22}} {}

Matrix3x3::Matrix3x3(const Vector3d& up, const Vector3d& forward) {
    setColumn(0, up.crossProduct(forward));
    setColumn(1, up);
    setColumn(2, forward);
}

Matrix3x3 Matrix3x3::pitchRotation(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {1, 0, 0, 0, c, -s, 0, s, c};
}

Matrix3x3 Matrix3x3::yawRotation(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {c, 0, s, 0, 1, 0, -s, 0, c};
}

Matrix3x3 Matrix3x3::rollRotation(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {c, -s, 0, s, c, 0, 0, 0, 1};
}

Matrix3x3 Matrix3x3::fromEuler(double heading, double pitch, double roll) {
    return yawRotation(heading) * pitchRotation(pitch) * rollRotation(roll);
}

Matrix3x3 Matrix3x3::fromQuaternion(double x, double y, double z, double w) {
    return {1 - 2 * (y * y + z * z), 2 * (x * y - z * w),     2 * (x * z + y * w),
            2 * (x * y + z * w),     1 - 2 * (x * x + z * z), 2 * (y * z - x * w),
            2 * (x * z - y * w),     2 * (y * z + x * w),     1 - 2 * (x * x + y * y)};
}

void Matrix3x3::setRow(int i, const Vector3d& v) {
    m[i][0] = v.x;
    m[i][1] = v.y;
    m[i][2] = v.z;
}

void Matrix3x3::setColumn(int i, const Vector3d& v) {
    m[0][i] = v.x;
    m[1][i] = v.y;
    m[2][i] = v.z;
}

Matrix3x3 Matrix3x3::getTranspose() const {
    return {m[0][0], m[1][0], m[2][0], m[0][1], m[1][1], m[2][1], m[0][2], m[1][2], m[2][2]};
}

Matrix3x3 Matrix3x3::operator*(const Matrix3x3& o) const {
    Matrix3x3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] = m[i][0] * o.m[0][j] + m[i][1] * o.m[1][j] + m[i][2] * o.m[2][j];
    return r;
}

Vector3d Matrix3x3::operator*(const Vector3d& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

bool Matrix3x3::operator==(const Matrix3x3& o) const {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (m[i][j] != o.m[i][j]) return false;
    return true;
}

double Matrix3x3::getPitchDegrees() const {
    const double fy = std::clamp(getForwardVector().normalized().y, -1.0, 1.0);
    double pitch = 90.0 - std::acos(fy) * units::kDegreesPerRadian;
    if (getUpVector().y < 0.0) pitch = 180.0 - pitch;
    return pitch;
}
