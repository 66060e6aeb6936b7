#pragma once
#include "fusion/estimation/CachedInputsEstimation.h"

// Without GNSS: assumes a coordinated flight at the fallback cruising speed
// (Vno), so that the low-passed accelerometer less the centripetal force of
// the low-passed turn rate at that speed points up, and takes magnetic north
// from the low-passed magnetometer. A snapshot, no memory: reliable only in
// steady flight near the assumed speed with a calibrated magnetometer, and
// even then coarse; the last resort before the identity.
class Gyro_acc_mag_at_Vno_RotationEstimation : public CachedInputsEstimation {
public:
    Vector3d getAxisReliability() override { return last ? Vector3d(0.35, 0.2, 0.35) : Vector3d(); }
    bool calculateRotationMatrix(Matrix3x3& out) override;

private:
    bool last = false;
};
