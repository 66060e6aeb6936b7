#pragma once
#include "geo/GeoVectors.h"

// Row-major 3x3 matrix of doubles. As an attitude it rotates aircraft axes
// into the local earth frame (x east, y up, z north): column 1 is the
// aircraft's up vector, column 2 its forward (nose) vector and column 0 their
// cross product up x forward.
class Matrix3x3 {
public:
    double m[3][3];

    // The identity.
    Matrix3x3();
    Matrix3x3(double m00, double m01, double m02, double m10, double m11, double m12, double m20, double m21,
              double m22);
    // Columns: up x forward, up, forward.
    Matrix3x3(const Vector3d& up, const Vector3d& forward);

    // Yaw(heading) * Pitch(pitch) * Roll(roll), radians.
    static Matrix3x3 fromEuler(double heading, double pitch, double roll);
    // Rotation about x; positive angles put the nose down.
    static Matrix3x3 pitchRotation(double angle);
    // Rotation about y (the vertical axis).
    static Matrix3x3 yawRotation(double angle);
    // Rotation about z (the longitudinal axis).
    static Matrix3x3 rollRotation(double angle);
    // Unit quaternion (x, y, z, w).
    static Matrix3x3 fromQuaternion(double x, double y, double z, double w);

    Vector3d getRow(int i) const { return {m[i][0], m[i][1], m[i][2]}; }
    Vector3d getColumn(int i) const { return {m[0][i], m[1][i], m[2][i]}; }
    void setRow(int i, const Vector3d& v);
    void setColumn(int i, const Vector3d& v);
    Vector3d getUpVector() const { return getColumn(1); }
    Vector3d getForwardVector() const { return getColumn(2); }
    Matrix3x3 getTranspose() const;

    Matrix3x3 operator*(const Matrix3x3& o) const;
    Vector3d operator*(const Vector3d& v) const;
    bool operator==(const Matrix3x3& o) const;
    bool operator!=(const Matrix3x3& o) const { return !(*this == o); }

    // The pitch an instrument shows, degrees: 90 - acos(forward.y) with the
    // forward vector normalised; 180 minus that when flying inverted.
    double getPitchDegrees() const;
};
