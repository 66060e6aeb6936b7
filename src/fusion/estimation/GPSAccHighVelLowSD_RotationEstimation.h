#pragma once
#include <deque>

#include "fusion/estimation/CachedInputsEstimation.h"

// "gps+acc" with less noise and no gyro: the earth acceleration is the slope
// of a straight line through the GNSS velocities of the last few seconds,
// the body "up" the mean accelerometer reading over the same seconds.
// Assumes that the attitude and the acceleration stay steady over that span
// (straight flight, steady turns, steady climbs) and the nose on the track;
// wrong for seconds after every change, right and quiet in between.
class GPSAccHighVelLowSD_RotationEstimation : public CachedInputsEstimation {
public:
    static constexpr double kSpanSeconds = 4.0;
    static constexpr double kMinSpeedKnots = 30.0;

    Vector3d getAxisReliability() override { return usable ? Vector3d(0.6, 0.5, 0.6) : Vector3d(); }
    bool calculateRotationMatrix(Matrix3x3& out) override;

private:
    struct Fix {
        double time;
        Vector3d velocity;
    };
    struct Reading {
        double time;
        Vector3d acc;
    };
    std::deque<Fix> fixes;
    std::deque<Reading> readings;
    Vector3d accSum;
    Matrix3x3 attitude;
    double usedTime = -1;
    bool usable = false;
};
