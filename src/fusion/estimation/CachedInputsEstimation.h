#pragma once
#include "fusion/estimation/IRotationEstimation.h"

// Base of the strategies that work on a snapshot of their inputs: it keeps
// the latest value of every input with a flag telling whether this
// iteration delivered it, so a strategy reads plain fields.
class CachedInputsEstimation : public IRotationEstimation {
public:
    template <typename T>
    struct Input {
        T value{};
        bool valid = false;
        double window = 0, time = -1;
        void set(const T* v, double w, double t) {
            valid = v != nullptr;
            if (v) value = *v, window = w, time = t;
        }
    };

    void setDeltaRotation(const Matrix3x3* d, double t0, double t1) override { delta.set(d, t1 - t0, t1); }
    void setAverageAcc_abs(const Vector3d* v, double w, double t) override { earthAcc.set(v, w, t); }
    void setAverageVel_abs(const Vector3d* v, double w, double t) override { velocity.set(v, w, t); }
    void setAverageGroundspeed(const double* v, double w, double t) override { groundSpeed.set(v, w, t); }
    void setTrueAirspeed(const double* v, double t) override { airspeed.set(v, 0, t); }
    void setAcc_rel(const Vector3d* v, double t) override { acc.set(v, 0, t); }
    void setMag_rel(const Vector3d* v, double t) override { mag.set(v, 0, t); }
    void setGyro_rel(const Vector3d* v, double t) override { gyro.set(v, 0, t); }
    void setBluredAcc_rel(const Vector3d* v, double t) override { bluredAcc.set(v, 0, t); }
    void setBluredMag_rel(const Vector3d* v, double t) override { bluredMag.set(v, 0, t); }
    void setBluredGyro_rel(const Vector3d* v, double t) override { bluredGyro.set(v, 0, t); }
    void setFallbackSpeed(double knots) override { fallbackSpeed = knots; }
    void setAverageGroundtrack(const double* v, double w, double t) override { track.set(v, w, t); }
    void setGPSFilterResult(GPS_Filter::FilterResult r) override { filterResult = r; }
    void setGPSFilterRating(GPS_Filter::QualityRating r) override { rating = r; }
    void setGPSSigmaOverT(double v) override { sigmaOverT = v; }
    void setIterationTime(double seconds) override {
        step = lastIteration < 0 ? 0.0 : seconds - lastIteration;
        lastIteration = now = seconds;
    }
    void setHeadingRecommendation(bool available, double degrees) override {
        recommendation.valid = available, recommendation.value = degrees;
    }

    // Hands every cached input of this iteration to another strategy (the
    // strategies that run several estimators side by side).
    void feed(IRotationEstimation& other) const;

protected:
    bool gnssUsable() const { return filterResult < GPS_Filter::NO_NEW_DATA; }
    // Ground speed in knots when GNSS gives one, else `fallback`.
    double speedKnots(double fallback) const {
        return gnssUsable() && groundSpeed.valid ? groundSpeed.value : fallback;
    }
    // The body rate the delta rotation implies, rad/s.
    Vector3d deltaRate() const;

    Input<Matrix3x3> delta;
    Input<Vector3d> earthAcc, velocity, acc, mag, gyro, bluredAcc, bluredMag, bluredGyro;
    Input<double> groundSpeed, airspeed, track, recommendation;
    double fallbackSpeed = 120, sigmaOverT = 1;
    GPS_Filter::FilterResult filterResult = GPS_Filter::NO_NEW_DATA;
    GPS_Filter::QualityRating rating = GPS_Filter::UNUSABLE;
    double now = 0, step = 0, lastIteration = -1;
};
