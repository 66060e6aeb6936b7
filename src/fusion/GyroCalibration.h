#pragma once
#include <functional>
#include <string>

#include "fusion/LowPassVector.h"
#include "geo/GeoVectors.h"

// Estimates the gyro bias while the device rests: whenever accelerometer
// and gyro have been steady for a while, the mean gyro reading over the
// calibration period is the bias. An explicit rate calibration (the pilot
// asked for it) reports its progress once a second.
class GyroCalibration {
public:
    static constexpr double kSettleSeconds = 1.0;

    // Thresholds: standard deviation of the acceleration (m/s^2) and of the
    // angular velocity (degrees per second) below which the device rests.
    GyroCalibration(double restAccThreshold, double restGyrThreshold, double periodSeconds = 8.0);

    void setMessageSink(std::function<void(const std::string&)> sink) { message = std::move(sink); }
    void setBias(const Vector3d& b) { bias = b, calibrated = true; }
    // Starts a rate calibration that announces its progress.
    void startRateCalibration();

    // Feeds one sample; returns true when a new bias was taken.
    bool add(const Vector3d& acc, const Vector3d& gyr, double dt);

    const Vector3d& getBias() const { return bias; }
    bool isCalibrated() const { return calibrated; }
    bool isAtRest() const { return restSeconds >= kSettleSeconds; }
    bool isRunning() const { return announced; }

private:
    void restart();

    double accThreshold, gyrThreshold, period;
    std::function<void(const std::string&)> message;
    LowPassVector accMean{0.5}, accSquare{0.5}, gyrMean{0.5}, gyrSquare{0.5};
    double restSeconds = 0, collected = 0;
    Vector3d sum;
    Vector3d bias;
    bool calibrated = false, announced = false;
    int lastAnnouncedSecond = -1;
};
