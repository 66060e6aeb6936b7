#pragma once
#include "sensors/Matrix3x3.h"

// Small rotation helpers shared by the estimation strategies. Attitudes map
// aircraft axes (x right, y up, z forward) into the local earth frame
// (x east, y up, z north).
namespace rotation {

// The rotation by |axisAngle| radians about axisAngle's direction (Rodrigues).
Matrix3x3 fromAxisAngle(const Vector3d& axisAngle);

// Re-orthonormalises an attitude that integration has bent slightly, keeping
// its forward vector's direction and making up perpendicular to it.
Matrix3x3 orthonormalized(const Matrix3x3& m);

// Attitude from an up vector and a forward vector that need be neither
// unit length nor perpendicular: forward is made perpendicular to up.
Matrix3x3 fromUpAndForward(const Vector3d& up, const Vector3d& forward);

// The rotation that carries direction `from` onto direction `to` along the
// shortest arc, as an axis-angle vector (radians).
Vector3d alignmentAxisAngle(const Vector3d& from, const Vector3d& to);

// Euler angles of the cockpit, degrees: roll positive right wing down, pitch
// positive nose up, heading true in [0, 360).
struct EulerDegrees {
    double roll = 0, pitch = 0, heading = 0;
};
EulerDegrees toEulerDegrees(const Matrix3x3& attitude);
// The inverse of toEulerDegrees.
Matrix3x3 fromEulerDegrees(double roll, double pitch, double heading);

// The attitude that puts the body's up (seen in the body) on the earth's up
// (seen in the earth frame) and the body's level nose on the ground track:
// the nose is taken perpendicular to up without a lateral component, the
// track direction perpendicular to the earth's up. False when either up is
// too close to horizontal.
bool alignUpAndTrack(const Vector3d& bodyUp, const Vector3d& earthUp, double trackDegrees, Matrix3x3& out);

// The attitude from a body up and the magnetometer's reading: the horizontal
// part of the field is magnetic north. False when the field is vertical.
bool alignUpAndField(const Vector3d& bodyUp, const Vector3d& field, Matrix3x3& out);

// Moves `from` a fraction (0..1) of the way to `to` along the shortest rotation.
Matrix3x3 blend(const Matrix3x3& from, const Matrix3x3& to, double fraction);

// The angle between two attitudes, degrees.
double angleBetweenDegrees(const Matrix3x3& a, const Matrix3x3& b);

}  // namespace rotation
