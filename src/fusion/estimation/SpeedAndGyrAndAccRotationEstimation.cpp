#include "fusion/estimation/SpeedAndGyrAndAccRotationEstimation.h"

#include "base/Units.h"

namespace {
AidedAttitudeFilter::Gains slowGains() {
    AidedAttitudeFilter::Gains g;
    g.fallbackTiltTimeConstant = 8.0;
    g.recommendationTimeConstant = 10.0;
    return g;
}
}  // namespace

SpeedAndGyrAndAccRotationEstimation::SpeedAndGyrAndAccRotationEstimation() : filter(slowGains()) {}

Vector3d SpeedAndGyrAndAccRotationEstimation::getAxisReliability() {
    if (!filter.isInitialized()) return {};
    const double heading = (gnssUsable() && track.valid) || recommendation.valid ? 0.5 : 0.2;
    return {airspeed.valid ? 0.7 : 0.5, heading, airspeed.valid ? 0.7 : 0.5};
}

bool SpeedAndGyrAndAccRotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    const bool trackUsable = gnssUsable() && track.valid && speedKnots(0.0) >= kMinTrackKnots;
    if (!filter.isInitialized()) {
        if (!acc.valid || (!trackUsable && !recommendation.valid)) return false;
        filter.initialize(-acc.value, trackUsable ? track.value : recommendation.value);
    }
    if (delta.valid) filter.propagate(delta.value, delta.time - delta.window, delta.time);
    if (acc.valid && gyro.valid) {
        const double knots = airspeed.valid ? airspeed.value : fallbackSpeed;
        filter.correctTiltWithCentripetal(-acc.value, gyro.value, units::knotsToMetresPerSecond(knots), step);
    }
    if (trackUsable) filter.correctHeadingTowards(track.value, step);
    else if (recommendation.valid) filter.correctHeadingTowards(recommendation.value, step);
    out = filter.getAttitude();
    return true;
}
