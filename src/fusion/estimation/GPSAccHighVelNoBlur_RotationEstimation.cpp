#include "fusion/estimation/GPSAccHighVelNoBlur_RotationEstimation.h"

#include <cmath>

#include "base/Units.h"

Vector3d GPSAccHighVelNoBlur_RotationEstimation::getAxisReliability() {
    // Right in steady flight only: it cannot tell a transition from a state.
    const double r = lastUsable ? 0.6 : 0.0;
    return {r, r, r};
}

void GPSAccHighVelNoBlur_RotationEstimation::setAverageAcc_abs(const Vector3d* acc, double, double) {
    if (acc) earthAcc = *acc;
}

void GPSAccHighVelNoBlur_RotationEstimation::setBluredAcc_rel(const Vector3d* acc, double) {
    bodyAccValid = acc != nullptr;
    if (!acc) return;
    bodyAcc = *acc;
    bodyAccLength = acc->getLength();
}

void GPSAccHighVelNoBlur_RotationEstimation::setAverageGroundtrack(const double* degrees, double, double) {
    if (degrees) track = *degrees;
}

bool GPSAccHighVelNoBlur_RotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    lastUsable = false;
    if (std::fabs(earthAcc.y) < 0.02) return false;
    const Vector3d up = (-bodyAcc).normalized();
    if (std::fabs(up.y) < 0.02) return false;
    // Body forward: perpendicular to up, no lateral (x) component.
    const Vector3d forward = Vector3d(0, -up.z / up.y, 1).normalized();
    const Matrix3x3 body(up, forward);
    // Earth forward: along the track, perpendicular to the earth "up".
    const double s = std::sin(units::degreesToRadians(track)), c = std::cos(units::degreesToRadians(track));
    const Vector3d earthForward = Vector3d(s, (-earthAcc.x * s - earthAcc.z * c) / earthAcc.y, c).normalized();
    const Matrix3x3 earth(earthAcc.normalized(), earthForward);
    out = earth * body.getTranspose();
    lastUsable = bodyAccValid && bodyAccLength > 0.2 && filterResult < GPS_Filter::NO_NEW_DATA;
    return lastUsable;
}
