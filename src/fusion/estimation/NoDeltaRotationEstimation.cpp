#include "fusion/estimation/NoDeltaRotationEstimation.h"

#include "base/Units.h"
#include "fusion/estimation/RotationMath.h"

bool NoDeltaRotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    usable = false;
    if (!acc.valid || !gyro.valid) return false;
    const double knots = speedKnots(0.0);
    const Vector3d up = -acc.value - gyro.value.crossProduct(Vector3d(0, 0, units::knotsToMetresPerSecond(knots)));
    Matrix3x3 measured;
    const bool byTrack = gnssUsable() && track.valid && knots >= kMinTrackKnots;
    const bool ok = byTrack ? rotation::alignUpAndTrack(up, Vector3d(0, 1, 0), track.value, measured)
                            : mag.valid && rotation::alignUpAndField(up, mag.value, measured);
    if (!ok) return false;
    attitude = started ? rotation::blend(attitude, measured, convergence * step) : measured;
    started = usable = true;
    out = attitude;
    return true;
}
