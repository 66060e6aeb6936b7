#include "fusion/estimation/Acc_And_Mag_At_0_Velocity_RotationEstimation.h"

#include "fusion/estimation/RotationMath.h"

Vector3d Acc_And_Mag_At_0_Velocity_RotationEstimation::getAxisReliability() {
    if (!started || !standing()) return {0, 0, 0};
    return {1.0, 0.3, 1.0};
}

bool Acc_And_Mag_At_0_Velocity_RotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    if (started && delta.valid) attitude = rotation::orthonormalized(attitude * delta.value);
    Matrix3x3 measured;
    if (!bluredAcc.valid || !bluredMag.valid || !rotation::alignUpAndField(-bluredAcc.value, bluredMag.value, measured))
        return false;
    attitude = started ? rotation::blend(attitude, measured, step / kTimeConstant) : measured;
    started = true;
    out = attitude;
    return standing();
}
