#pragma once
#include "fusion/estimation/CachedInputsEstimation.h"

// The snapshot of "gps+acc" made exact in time: between two GNSS records the
// raw accelerometer is summed in the body frame, each new reading added after
// the sum is turned into the present body frame by the gyro's delta
// rotation. At the next record the sum is the body-frame mean over exactly
// the interval whose earth-frame mean the GNSS velocity gives, so the two
// "up"s belong together even in a roll-in; between records the gyro carries
// the attitude. Assumes the nose on the track (no wind, no slip) and speed
// enough for a steady track (above about 30 knots); a coarse receiver
// (large sigma/T) gets less weight.
class Gps_and_Acc_at_high_velocities_RotationEstimation : public CachedInputsEstimation {
public:
    static constexpr double kMinSpeedKnots = 30.0;

    Vector3d getAxisReliability() override;
    bool calculateRotationMatrix(Matrix3x3& out) override;
    bool usableForGyroCalibration() override { return usable; }

private:
    Matrix3x3 attitude;
    Vector3d bodySum;
    double summed = 0, usedEarthTime = -1;
    bool started = false, usable = false;
};
