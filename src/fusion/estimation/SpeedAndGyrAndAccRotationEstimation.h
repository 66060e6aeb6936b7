#pragma once
#include "fusion/estimation/AidedAttitudeFilter.h"
#include "fusion/estimation/CachedInputsEstimation.h"

// Attitude from the airspeed rather than GNSS acceleration: the gyro carries
// the attitude, the accelerometer less the centripetal force of the turn at
// the true airspeed (or the fallback speed) levels it slowly, the GNSS track
// or else the recommended heading steers the heading slowly. Assumes
// coordinated flight and, without an airspeed, the fallback speed; reliable
// for tilt in steady turns, degrading in accelerations and sideslip.
class SpeedAndGyrAndAccRotationEstimation : public CachedInputsEstimation {
public:
    static constexpr double kMinTrackKnots = 20.0;

    SpeedAndGyrAndAccRotationEstimation();
    Vector3d getAxisReliability() override;
    bool calculateRotationMatrix(Matrix3x3& out) override;

private:
    AidedAttitudeFilter filter;
};
