#pragma once
#include "fusion/estimation/CachedInputsEstimation.h"

// For devices whose gyro cannot be integrated (too noisy, too slow): each
// iteration builds an attitude from the accelerometer less the centripetal
// force of the measured turn rate at the GNSS speed, with the nose on the
// track (or on magnetic north when too slow for a track), and moves its
// estimate towards it at its own convergence rate (per second). Assumes
// coordinated flight without wind; smooth but lagging, reliable only in
// steady flight.
class NoDeltaRotationEstimation : public CachedInputsEstimation {
public:
    static constexpr double kMinTrackKnots = 20.0;

    Vector3d getAxisReliability() override { return usable ? Vector3d(0.5, 0.4, 0.5) : Vector3d(); }
    bool calculateRotationMatrix(Matrix3x3& out) override;
    void setUserConvergenceParameter(double perSecond) override { convergence = perSecond; }
    double getConvergenceParameter() override { return convergence; }

private:
    double convergence = 0.5;
    Matrix3x3 attitude;
    bool started = false, usable = false;
};
