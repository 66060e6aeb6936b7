#include "fusion/estimation/GPSAccHighVelLowSD_RotationEstimation.h"

#include "fusion/estimation/RotationMath.h"

namespace {
constexpr double kGravity = 9.80665;
}

bool GPSAccHighVelLowSD_RotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    if (acc.valid) {
        readings.push_back({now, -acc.value});
        accSum += -acc.value;
    }
    while (!readings.empty() && readings.front().time < now - kSpanSeconds) {
        accSum -= readings.front().acc;
        readings.pop_front();
    }
    if (gnssUsable() && velocity.valid && velocity.time != usedTime) {
        usedTime = velocity.time;
        fixes.push_back({velocity.time, velocity.value});
        while (fixes.front().time < velocity.time - kSpanSeconds) fixes.pop_front();
        // Least-squares slope of the velocities against time.
        double mt = 0;
        Vector3d mv;
        for (const Fix& f : fixes) mt += f.time, mv += f.velocity;
        const double n = double(fixes.size());
        mt /= n, mv = mv / n;
        double den = 0;
        Vector3d num;
        for (const Fix& f : fixes) den += (f.time - mt) * (f.time - mt), num += (f.velocity - mv) * (f.time - mt);
        Matrix3x3 measured;
        const bool fast = groundSpeed.valid && groundSpeed.value >= kMinSpeedKnots;
        usable = fixes.size() >= 3 && den > 0 && fast && track.valid && !readings.empty() &&
                 rotation::alignUpAndTrack(accSum / double(readings.size()), num / den + Vector3d(0, kGravity, 0),
                                           track.value, measured);
        if (usable) attitude = measured;
    }
    if (!gnssUsable()) usable = false, fixes.clear();
    out = attitude;
    return usable;
}
