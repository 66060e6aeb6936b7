#include "fusion/estimation/CachedInputsEstimation.h"

Vector3d CachedInputsEstimation::deltaRate() const {
    if (!delta.valid || delta.window <= 0) return Vector3d();
    const auto& d = delta.value.m;
    return Vector3d(d[2][1] - d[1][2], d[0][2] - d[2][0], d[1][0] - d[0][1]) / (2.0 * delta.window);
}

void CachedInputsEstimation::feed(IRotationEstimation& o) const {
    auto vec = [](const Input<Vector3d>& i) { return i.valid ? &i.value : nullptr; };
    auto num = [](const Input<double>& i) { return i.valid ? &i.value : nullptr; };
    o.setIterationTime(now);
    o.setDeltaRotation(delta.valid ? &delta.value : nullptr, delta.time - delta.window, delta.time);
    o.setAverageAcc_abs(vec(earthAcc), earthAcc.window, earthAcc.time);
    o.setAverageVel_abs(vec(velocity), velocity.window, velocity.time);
    o.setAverageGroundspeed(num(groundSpeed), groundSpeed.window, groundSpeed.time);
    o.setTrueAirspeed(num(airspeed), airspeed.time);
    o.setAcc_rel(vec(acc), acc.time);
    o.setMag_rel(vec(mag), mag.time);
    o.setGyro_rel(vec(gyro), gyro.time);
    o.setBluredAcc_rel(vec(bluredAcc), bluredAcc.time);
    o.setBluredMag_rel(vec(bluredMag), bluredMag.time);
    o.setBluredGyro_rel(vec(bluredGyro), bluredGyro.time);
    o.setFallbackSpeed(fallbackSpeed);
    o.setAverageGroundtrack(num(track), track.window, track.time);
    o.setGPSFilterResult(filterResult);
    o.setGPSFilterRating(rating);
    o.setGPSSigmaOverT(sigmaOverT);
    o.setHeadingRecommendation(recommendation.valid, recommendation.value);
}
