#include "fusion/estimation/GPSAccHighVelNoBlur_RotationEstimation.h"

#include <cmath>

#include "fusion/estimation/RotationMath.h"

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
    // Body up from the accelerometer, earth up from gravity plus the GNSS
    // acceleration, the level nose on the track.
    if (!rotation::alignUpAndTrack(-bodyAcc, earthAcc, track, out)) return false;
    lastUsable = bodyAccValid && bodyAccLength > 0.2 && filterResult < GPS_Filter::NO_NEW_DATA;
    return lastUsable;
}
