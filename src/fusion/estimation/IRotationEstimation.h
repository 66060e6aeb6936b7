#pragma once
#include <ostream>

#include "fusion/estimation/GPS_Filter.h"
#include "sensors/ISensor.h"
#include "sensors/Matrix3x3.h"

// One way of estimating the aircraft's orientation. The fusion loop feeds
// every strategy the inputs of the iteration through the setters (a null
// pointer: not available this time) and asks each for a rotation; a strategy
// overrides only the setters of the inputs it uses.
//
// Conventions: body vectors in aircraft axes (x right, y up, z forward);
// body accelerations in the sensor's gravity-down sign (at rest and level
// (0, -9.81, 0)); earth vectors in the local frame (x east, y up, z north),
// the earth acceleration as gravity plus the GNSS-derived acceleration (at
// rest (0, 9.81, 0)). Times are seconds of the raw input's clock. For the
// averaged inputs the two doubles are the averaging window and the time at
// its end.
class IRotationEstimation {
public:
    // Per axis of the result (x: roll, y: heading, z: pitch), 0 = useless,
    // 1 = fully reliable, as the strategy judges its present state.
    virtual Vector3d getAxisReliability() = 0;
    virtual void setDebugStream(std::ostream* /*stream*/) {}
    // The body rotation integrated from the gyroscope between t0 and t1:
    // attitude(t1) = attitude(t0) * delta.
    virtual void setDeltaRotation(const Matrix3x3* /*delta*/, double /*t0*/, double /*t1*/) {}
    virtual void setAverageAcc_abs(const Vector3d* /*acc*/, double /*window*/, double /*time*/) {}
    virtual void setAverageVel_abs(const Vector3d* /*velocity*/, double /*window*/, double /*time*/) {}
    // Knots.
    virtual void setAverageGroundspeed(const double* /*knots*/, double /*window*/, double /*time*/) {}
    // Knots.
    virtual void setTrueAirspeed(const double* /*knots*/, double /*time*/) {}
    virtual void setAcc_rel(const Vector3d* /*acc*/, double /*time*/) {}
    virtual void setMag_rel(const Vector3d* /*mag*/, double /*time*/) {}
    // Radians per second, bias removed.
    virtual void setGyro_rel(const Vector3d* /*gyro*/, double /*time*/) {}
    virtual void setBluredAcc_rel(const Vector3d* /*acc*/, double /*time*/) {}
    virtual void setBluredMag_rel(const Vector3d* /*mag*/, double /*time*/) {}
    virtual void setBluredGyro_rel(const Vector3d* /*gyro*/, double /*time*/) {}
    virtual void setFallbackSpeed(double /*knots*/) {}
    // Degrees true.
    virtual void setAverageGroundtrack(const double* /*degrees*/, double /*window*/, double /*time*/) {}
    virtual void setGPSFilterResult(GPS_Filter::FilterResult /*result*/) {}
    virtual void setGPSFilterRating(GPS_Filter::QualityRating /*rating*/) {}
    virtual void setGPSSigmaOverT(double /*sigmaOverT*/) {}
    virtual void setIterationTime(double /*seconds*/) {}
    // True when `out` holds a usable orientation.
    virtual bool calculateRotationMatrix(Matrix3x3& out) = 0;
    virtual void calculateMultiPassConstants() {}
    virtual void setUserConvergenceParameter(double /*value*/) {}
    virtual double getConvergenceParameter() { return 0.0; }
    // Raises the warning level of the types the strategy cannot serve now to
    // at least `level`; `levels` is indexed by ISensorData::Type.
    virtual void setWarningLevels(ISensor::WarningLevel* /*levels*/, ISensor::WarningLevel /*level*/) {}
    virtual bool usableForGyroCalibration() { return false; }
    virtual void setCustomData(void* /*data*/) {}
    // A heading (degrees true) the strategy may adopt, e.g. from the
    // magnetometer while GNSS gives no track.
    virtual void setHeadingRecommendation(bool /*available*/, double /*degrees*/) {}
    virtual ~IRotationEstimation() = default;
};

class IRotationEstimationFactory {
public:
    virtual int getType() const = 0;
    virtual const char* getName() const = 0;
    virtual IRotationEstimation* Create() const = 0;
    virtual ~IRotationEstimationFactory() = default;
};

template <class Strategy>
class RotationEstimationFactory : public IRotationEstimationFactory {
public:
    RotationEstimationFactory(int type, const char* name) : type(type), name(name) {}
    int getType() const override { return type; }
    const char* getName() const override { return name; }
    IRotationEstimation* Create() const override { return new Strategy(); }

private:
    int type;
    const char* name;
};
