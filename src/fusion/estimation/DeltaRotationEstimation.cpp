#include "fusion/estimation/DeltaRotationEstimation.h"

#include <algorithm>
#include <cmath>

#include "base/Units.h"

namespace {
// Below this the GNSS track is too noisy to steer the heading by.
constexpr double kMinTrackKnots = 6.0;
constexpr double kFullTrackKnots = 30.0;
}  // namespace

Vector3d DeltaRotationEstimation::getAxisReliability() {
    if (!filter.isInitialized()) return {0, 0, 0};
    const double since = now - lastGnssTime;
    const double tilt = since <= kGnssHoldSeconds ? 1.0 : std::max(0.3, 1.0 - (since - kGnssHoldSeconds) / 120.0);
    const double heading = since <= kGnssHoldSeconds ? headingWeight() : std::max(0.2, tilt - 0.2);
    return {tilt, heading, tilt};
}

void DeltaRotationEstimation::setDeltaRotation(const Matrix3x3* d, double t0, double t1) {
    hasDelta = d != nullptr;
    if (d) delta = *d, deltaT0 = t0, deltaT1 = t1;
}

void DeltaRotationEstimation::setAverageAcc_abs(const Vector3d* a, double window, double time) {
    hasEarthAcc = a != nullptr;
    if (a) earthAcc = *a, accWindow = window, accTime = time;
}

void DeltaRotationEstimation::setAverageVel_abs(const Vector3d* v, double, double time) {
    hasVelocity = v != nullptr;
    if (v) velocity = *v, velocityTime = time;
}

void DeltaRotationEstimation::setAverageGroundspeed(const double* knots, double, double) {
    hasGroundSpeed = knots != nullptr;
    if (knots) groundSpeedKnots = *knots;
}

void DeltaRotationEstimation::setAcc_rel(const Vector3d* a, double) {
    hasAcc = a != nullptr;
    if (a) acc = *a;
}

void DeltaRotationEstimation::setBluredMag_rel(const Vector3d*, double) {
    // The magnetometer reaches this strategy already turned into a heading
    // recommendation by the fusion, which knows its calibration.
}

void DeltaRotationEstimation::setAverageGroundtrack(const double* degrees, double, double) {
    hasTrack = degrees != nullptr;
    if (degrees) track = *degrees;
}

void DeltaRotationEstimation::setHeadingRecommendation(bool available, double degrees) {
    hasRecommendation = available;
    recommendation = degrees;
}

double DeltaRotationEstimation::headingWeight() const {
    if (!hasGroundSpeed || !hasTrack || groundSpeedKnots < kMinTrackKnots) return 0.0;
    return std::min(1.0, (groundSpeedKnots - kMinTrackKnots) / (kFullTrackKnots - kMinTrackKnots));
}

bool DeltaRotationEstimation::initializeIfPossible() {
    if (!hasAcc || acc.getLength() < 1.0) return false;
    const bool usable = filterResult < GPS_Filter::NO_NEW_DATA;
    if (usable && headingWeight() > 0) {
        filter.initialize(-acc, track);
    } else if (hasRecommendation) {
        filter.initialize(-acc, recommendation);
    } else {
        return false;
    }
    return true;
}

bool DeltaRotationEstimation::calculateRotationMatrix(Matrix3x3& out) {
    const double dt = lastIteration < 0 ? 0.0 : std::clamp(now - lastIteration, 0.0, 1.0);
    lastIteration = now;
    if (!filter.isInitialized() && !initializeIfPossible()) return false;
    if (hasDelta) filter.propagate(delta, deltaT0, deltaT1);
    if (hasAcc) filter.addSpecificForce(-acc, now);

    const bool usable = filterResult < GPS_Filter::NO_NEW_DATA;
    if (usable) lastGnssTime = now;
    if (usable && hasEarthAcc && accTime != usedAccTime) {
        usedAccTime = accTime;
        // A coarse receiver (large sigma/T) gets less say.
        const double weight = 1.0 / std::max(1.0, sigmaOverT);
        if (filter.correctWithGnssAcceleration(earthAcc, accWindow, accTime, weight)) {
            const double i = filter.getLastTiltInnovation();
            innovationScore += (i * i - innovationScore) * 0.05;
        }
    }
    if (usable && hasGroundSpeed) lastSpeedMs = units::knotsToMetresPerSecond(groundSpeedKnots);
    // Once per record, at the record's moment: a velocity held until the
    // next record would drag the heading behind in a turn.
    const double hw = usable && hasVelocity ? headingWeight() : 0.0;
    if (hw > 0 && velocityTime != usedVelocityTime && std::fabs(velocityTime - now) < 0.05) {
        const double interval = usedVelocityTime < 0 ? 1.0 : std::min(2.0, velocityTime - usedVelocityTime);
        usedVelocityTime = velocityTime;
        filter.correctHeadingWithVelocity(velocity, interval, hw);
    }
    if (now - lastGnssTime > kFallbackAfterSeconds && hasAcc && hasDelta && deltaT1 > deltaT0) {
        const double span = deltaT1 - deltaT0;
        const Vector3d rate(delta.m[2][1] - delta.m[1][2], delta.m[0][2] - delta.m[2][0],
                            delta.m[1][0] - delta.m[0][1]);
        const double speed =
            lastSpeedMs > 0 && !fallbackSpeedOnly ? lastSpeedMs : units::knotsToMetresPerSecond(fallbackSpeedKnots);
        filter.correctTiltWithCentripetal(-acc, rate / (2 * span), speed, dt);
        if (hasRecommendation) filter.correctHeadingTowards(recommendation, dt);
    }
    out = filter.getAttitude();
    return true;
}

void DeltaRotationEstimation::setWarningLevels(ISensor::WarningLevel* levels, ISensor::WarningLevel level) {
    const Vector3d r = getAxisReliability();
    if (std::min(r.x, r.z) < 0.5) levels[ISensorData::ATTITUDE] = std::max(levels[ISensorData::ATTITUDE], level);
    if (r.y < 0.5) levels[ISensorData::HEADING] = std::max(levels[ISensorData::HEADING], level);
}
