#include "fusion/estimation/Gps_and_Acc_at_high_velocities_RotationEstimation.h"

#include <algorithm>

#include "fusion/estimation/RotationMath.h"

Vector3d Gps_and_Acc_at_high_velocities_RotationEstimation::getAxisReliability() {
    return usable ? Vector3d(0.8, 0.6, 0.8) : Vector3d();
}

bool Gps_and_Acc_at_high_velocities_RotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    if (delta.valid) {
        attitude = rotation::orthonormalized(attitude * delta.value);
        bodySum = delta.value.getTranspose() * bodySum;
    }
    if (acc.valid) bodySum += -acc.value * step, summed += step;
    const bool newRecord = gnssUsable() && earthAcc.valid && earthAcc.time != usedEarthTime;
    if (newRecord) {
        usedEarthTime = earthAcc.time;
        Matrix3x3 measured;
        const bool fast = groundSpeed.valid && groundSpeed.value >= kMinSpeedKnots;
        if (fast && track.valid && summed > 0.5 * earthAcc.window &&
            rotation::alignUpAndTrack(bodySum / summed, earthAcc.value, track.value, measured)) {
            attitude = started ? rotation::blend(attitude, measured, 0.5 / std::max(1.0, sigmaOverT)) : measured;
            started = true;
        }
        bodySum = Vector3d(), summed = 0;
    }
    usable = started && gnssUsable() && groundSpeed.valid && groundSpeed.value >= kMinSpeedKnots;
    out = attitude;
    return usable;
}
