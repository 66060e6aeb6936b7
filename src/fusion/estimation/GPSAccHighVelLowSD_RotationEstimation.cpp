#include "fusion/estimation/GPSAccHighVelLowSD_RotationEstimation.h"

#include <cmath>

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
        // The slope belongs to the middle of the span; in a steady turn the
        // acceleration has turned with the track since then, so turn it on.
        const Vector3d first = fixes.front().velocity, last = fixes.back().velocity;
        const double turned = std::remainder(std::atan2(last.x, last.z) - std::atan2(first.x, first.z), 2 * M_PI) / 2;
        const double c = std::cos(turned), s = std::sin(turned);
        const Vector3d slope = num / (den > 0 ? den : 1.0);
        const Vector3d earthAcceleration(slope.x * c + slope.z * s, slope.y, -slope.x * s + slope.z * c);
        Matrix3x3 measured;
        const bool fast = groundSpeed.valid && groundSpeed.value >= kMinSpeedKnots;
        usable =
            fixes.size() >= 3 && den > 0 && fast && track.valid && !readings.empty() &&
            rotation::alignUpAndTrack(accSum / double(readings.size()), earthAcceleration + Vector3d(0, kGravity, 0),
                                      std::atan2(last.x, last.z) * 180.0 / M_PI, measured);
        if (usable) attitude = measured;
    }
    if (!gnssUsable()) usable = false, fixes.clear();
    out = attitude;
    return usable;
}
