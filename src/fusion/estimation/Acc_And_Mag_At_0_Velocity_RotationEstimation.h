#pragma once
#include "fusion/estimation/CachedInputsEstimation.h"

// Standing still, the accelerometer measures gravity alone and the
// magnetometer the earth's field: up from the one, magnetic north from the
// other, smoothed by the gyro's delta rotations. Assumes the aircraft does
// not move (ground speed below 3 knots) and a magnetometer without large
// offsets; the heading is magnetic, for the ground before the first GNSS
// track. Useless once moving.
class Acc_And_Mag_At_0_Velocity_RotationEstimation : public CachedInputsEstimation {
public:
    static constexpr double kMaxSpeedKnots = 3.0;
    static constexpr double kTimeConstant = 1.0;

    Vector3d getAxisReliability() override;
    bool calculateRotationMatrix(Matrix3x3& out) override;
    bool usableForGyroCalibration() override { return standing(); }

private:
    bool standing() const { return !groundSpeed.valid || groundSpeed.value < kMaxSpeedKnots; }

    Matrix3x3 attitude;
    bool started = false;
};
