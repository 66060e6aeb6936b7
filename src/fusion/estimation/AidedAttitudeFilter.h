#pragma once
#include "fusion/estimation/AccelerometerForceHistory.h"
#include "sensors/Matrix3x3.h"

// The building block of the gyro-propagated strategies: an attitude carried
// forward by the gyro's delta rotations and pulled, like a complementary
// filter with an integral term, towards what the slower references say:
//  - tilt (and heading in turns) from the specific force the IMU measured
//    against gravity plus the GNSS acceleration over the same interval;
//  - heading from the GNSS velocity, which in coordinated flight without
//    wind has no component along the wings;
//  - without GNSS, tilt from the accelerometer less the centripetal force of
//    a turn at an assumed speed, and heading from a recommended heading.
// The integral term learns the gyro bias left over after calibration.
class AidedAttitudeFilter {
public:
    struct Gains {
        double tiltTimeConstant = 3.0;           // seconds
        double headingTimeConstant = 2.0;        // seconds
        double biasTimeConstant = 6.0;           // seconds
        double fallbackTiltTimeConstant = 20.0;  // seconds, accelerometer without GNSS
        double recommendationTimeConstant = 30.0;
    };

    AidedAttitudeFilter() = default;
    explicit AidedAttitudeFilter(const Gains& gains) : gains(gains) {}

    bool isInitialized() const { return initialized; }
    void initialize(const Vector3d& bodySpecificForce, double headingDegrees);
    void reset();

    // attitude(t1) = attitude(t0) * delta, less the learnt bias.
    void propagate(const Matrix3x3& delta, double t0, double t1);
    // The measured body specific force (at rest and level (0, +g, 0)).
    void addSpecificForce(const Vector3d& bodySpecificForce, double time);

    // Mean earth specific force over [time - window, time] from GNSS
    // (gravity plus acceleration). Returns false when the history does not
    // cover the window.
    bool correctWithGnssAcceleration(const Vector3d& earthSpecificForce, double window, double time, double weight);
    // Earth velocity (m/s); weight 0..1 scales the gain (low speeds, poor fixes).
    void correctHeadingWithVelocity(const Vector3d& velocity, double dt, double weight);
    // The accelerometer as a level reference once the turn's centripetal
    // force at `speed` (m/s, along the nose) is taken out.
    void correctTiltWithCentripetal(const Vector3d& bodySpecificForce, const Vector3d& bodyRate, double speed,
                                    double dt);
    void correctHeadingTowards(double headingDegrees, double dt);

    const Matrix3x3& getAttitude() const { return attitude; }
    const Vector3d& getBiasEstimate() const { return bias; }
    // The angle of the last GNSS tilt correction before gains, degrees.
    double getLastTiltInnovation() const { return lastTiltInnovation; }

private:
    // Rotates the attitude by `fraction` of `error` (earth frame, radians)
    // and feeds the integral term with `biasWeight` * error.
    void applyEarthCorrection(const Vector3d& error, double fraction, double biasWeight);

    Gains gains;
    Matrix3x3 attitude;
    Vector3d bias;
    AccelerometerForceHistory history;
    bool initialized = false;
    double lastTiltInnovation = 0.0;
};
