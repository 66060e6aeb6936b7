#pragma once
#include <string>

#include "sensors/Matrix3x3.h"

// How the sensor sits in the aircraft and what its gyro reads at rest, kept
// in data/calibration.ini so a fixed installation needs calibrating once.
struct InstallationCalibration {
    Vector3d gyroBias;           // rad/s
    double accLenBias = 0;       // m/s^2 added to the accelerometer's length
    double roll = 0, pitch = 0;  // degrees the sensor is rolled and pitched against the aircraft

    // Sensor axes into aircraft axes.
    Matrix3x3 sensorToAircraft() const;

    // Missing keys stay 0; false when the file cannot be read.
    bool load(const std::string& path);
    bool save(const std::string& path) const;
};
