#pragma once
#include "fusion/estimation/AidedAttitudeFilter.h"
#include "fusion/estimation/IRotationEstimation.h"

// The gyro carries the attitude from sample to sample; GNSS keeps it true.
// Each new GNSS average acceleration is compared with the IMU's specific
// force integrated over the same interval, which corrects tilt at any bank
// and, in turns and speed changes, heading; the GNSS velocity corrects
// heading in straight flight (no wind, coordinated). The integral term
// learns the gyro bias, so a GNSS outage of tens of seconds costs little.
// Without GNSS for longer it levels on the accelerometer less the turn's
// centripetal force at the last known (or the fallback) speed and follows
// the recommended (magnetic) heading slowly.
// Reliable with GNSS at any speed for tilt and above a walking pace for
// heading; tilt degrades slowly and heading more slowly without GNSS.
class DeltaRotationEstimation : public IRotationEstimation {
public:
    DeltaRotationEstimation() = default;
    explicit DeltaRotationEstimation(const AidedAttitudeFilter::Gains& gains) : filter(gains) {}

    Vector3d getAxisReliability() override;
    void setDeltaRotation(const Matrix3x3* delta, double t0, double t1) override;
    void setAverageAcc_abs(const Vector3d* acc, double window, double time) override;
    void setAverageVel_abs(const Vector3d* velocity, double window, double time) override;
    void setAverageGroundspeed(const double* knots, double window, double time) override;
    void setAcc_rel(const Vector3d* acc, double time) override;
    void setBluredMag_rel(const Vector3d* mag, double time) override;
    void setFallbackSpeed(double knots) override { fallbackSpeedKnots = knots; }
    void setAverageGroundtrack(const double* degrees, double window, double time) override;
    void setGPSFilterResult(GPS_Filter::FilterResult result) override { filterResult = result; }
    void setGPSSigmaOverT(double value) override { sigmaOverT = value; }
    void setIterationTime(double seconds) override { now = seconds; }
    void setHeadingRecommendation(bool available, double degrees) override;
    bool calculateRotationMatrix(Matrix3x3& out) override;
    void setWarningLevels(ISensor::WarningLevel* levels, ISensor::WarningLevel level) override;
    bool usableForGyroCalibration() override { return gnssRecent(); }

    // Seconds without a usable GNSS record after which the fallback starts.
    static constexpr double kGnssHoldSeconds = 5.0;
    // Seconds without GNSS after which the accelerometer and the recommended
    // heading start to steer; before that the gyro alone is better.
    static constexpr double kFallbackAfterSeconds = 20.0;

    // Mean square of the recent GNSS tilt innovations (degrees^2): how well
    // this filter's propagation agrees with GNSS.
    double getInnovationScore() const { return innovationScore; }
    void resetInnovationScore() { innovationScore = 0; }

protected:
    // Fixed-velocity variant: the fallback speed for the turn's centripetal
    // force even when GNSS gave one.
    bool fallbackSpeedOnly = false;

    bool gnssRecent() const { return now - lastGnssTime <= kGnssHoldSeconds; }

    AidedAttitudeFilter filter;

private:
    bool initializeIfPossible();
    double headingWeight() const;

    Matrix3x3 delta;
    double deltaT0 = 0, deltaT1 = 0;
    bool hasDelta = false;
    Vector3d acc;
    bool hasAcc = false;
    Vector3d earthAcc;
    double accWindow = 0, accTime = -1, usedAccTime = -1;
    bool hasEarthAcc = false;
    Vector3d velocity;
    double velocityTime = -1, usedVelocityTime = -1;
    bool hasVelocity = false;
    double groundSpeedKnots = 0;
    bool hasGroundSpeed = false;
    double track = 0;
    bool hasTrack = false;
    double fallbackSpeedKnots = 120;
    double sigmaOverT = 1;
    GPS_Filter::FilterResult filterResult = GPS_Filter::NO_NEW_DATA;
    bool hasRecommendation = false;
    double recommendation = 0;
    double now = 0, lastIteration = -1, lastGnssTime = -1e9;
    double lastSpeedMs = 0;
    double innovationScore = 0;
};
