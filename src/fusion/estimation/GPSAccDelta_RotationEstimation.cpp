#include "fusion/estimation/GPSAccDelta_RotationEstimation.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kGravity = 9.80665;
}

double GPSAccDelta_RotationEstimation::ratingWeight() const {
    switch (rating) {
    case GPS_Filter::EXCELLENT:
        return 1.0;
    case GPS_Filter::GOOD:
        return 0.8;
    case GPS_Filter::POOR:
        return 0.3;
    default:
        return 0.0;
    }
}

Vector3d GPSAccDelta_RotationEstimation::getAxisReliability() {
    if (!filter.isInitialized()) return {};
    const double r = std::clamp(1.0 - (now - lastGnss - 5.0) / 60.0, 0.2, 1.0);
    return {r, r * 0.9, r};
}

bool GPSAccDelta_RotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    if (!filter.isInitialized()) {
        if (!acc.valid || !gnssUsable() || !track.valid || !groundSpeed.valid || groundSpeed.value < kMinTrackKnots)
            return false;
        filter.initialize(-acc.value, track.value);
    }
    if (delta.valid) filter.propagate(delta.value, delta.time - delta.window, delta.time);
    if (acc.valid) filter.addSpecificForce(-acc.value, now);
    const double weight = ratingWeight();
    if (gnssUsable()) lastGnss = now;
    if (gnssUsable() && velocity.valid && velocity.time != lastVelocityTime && weight > 0) {
        const double interval = velocity.time - lastVelocityTime;
        if (lastVelocityTime >= 0 && interval <= kMaxIntervalSeconds) {
            const Vector3d specificForce = (velocity.value - lastVelocity) / interval + Vector3d(0, kGravity, 0);
            filter.correctWithGnssAcceleration(specificForce, interval, velocity.time, weight);
            if (groundSpeed.valid && groundSpeed.value >= kMinTrackKnots)
                filter.correctHeadingWithVelocity(velocity.value, interval, weight);
        }
        lastVelocity = velocity.value, lastVelocityTime = velocity.time;
    }
    out = filter.getAttitude();
    return true;
}
