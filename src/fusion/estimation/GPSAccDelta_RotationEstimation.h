#pragma once
#include "fusion/estimation/AidedAttitudeFilter.h"
#include "fusion/estimation/CachedInputsEstimation.h"

// The gyro-propagated filter fed straight from GNSS velocities: it
// differentiates successive velocities itself (rather than taking the
// service's averaged acceleration) and scales its corrections by the
// receiver's quality rating, so a poor fix steers little. Otherwise the same
// assumptions as "DeltaRotations": coordinated flight without wind for the
// heading, the gyro alone through outages (it has no fallback), reliable
// with GNSS at any speed for tilt.
class GPSAccDelta_RotationEstimation : public CachedInputsEstimation {
public:
    static constexpr double kMinTrackKnots = 10.0;
    static constexpr double kMaxIntervalSeconds = 2.5;

    Vector3d getAxisReliability() override;
    bool calculateRotationMatrix(Matrix3x3& out) override;
    bool usableForGyroCalibration() override { return gnssUsable(); }

private:
    double ratingWeight() const;

    AidedAttitudeFilter filter;
    Vector3d lastVelocity;
    double lastVelocityTime = -1, lastGnss = -1e9;
};
