#include "fusion/estimation/Gyro_acc_mag_at_Vno_RotationEstimation.h"

#include "base/Units.h"
#include "fusion/estimation/RotationMath.h"

bool Gyro_acc_mag_at_Vno_RotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    last = false;
    if (!bluredAcc.valid || !bluredMag.valid || !bluredGyro.valid) return false;
    const Vector3d velocity(0, 0, units::knotsToMetresPerSecond(fallbackSpeed));
    const Vector3d up = -bluredAcc.value - bluredGyro.value.crossProduct(velocity);
    last = rotation::alignUpAndField(up, bluredMag.value, out);
    return last;
}
