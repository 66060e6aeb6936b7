#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "fusion/RawSample.h"
#include "geo/ChartPosition.h"
#include "sensors/Matrix3x3.h"

// One leg of a flight: for `duration` seconds the aircraft steers towards
// its targets at limited rates (roll rate, acceleration, climb change), as a
// pilot flying smoothly would.
struct FlightSegment {
    double duration = 10;    // seconds
    double bankDegrees = 0;  // positive right; turns are coordinated
    double climbFpm = 0;
    double speedKnots = 100;    // target true airspeed (no wind: ground speed)
    bool onGround = false;      // wheels down: wings level, no turn from bank
    double groundTurnRate = 0;  // degrees per second while on the ground
};

// How the sensors lie: MEMS noise, gyro bias and drift, a magnetometer with a
// hard-iron offset, and a GNSS receiver with its rate, noise and outages.
struct SensorModel {
    double accNoise = 0.12;                   // m/s^2, per sample
    double gyroNoise = 0.002;                 // rad/s, per sample
    Vector3d gyroBias{0.006, -0.005, 0.008};  // rad/s
    double gyroDrift = 2e-5;                  // rad/s per sqrt(second), random walk
    double magNoise = 0.3;                    // microtesla
    Vector3d hardIron{9.0, -6.0, 14.0};       // microtesla
    Vector3d earthField{1.2, -43.0, 21.5};    // east, up, north, microtesla
    double gnssRate = 1.0;                    // records per second (1-5)
    double gnssHorizontalNoise = 1.5;         // metres, slowly wandering
    double gnssVerticalNoise = 3.0;
    double gnssVelocityNoise = 0.08;                     // m/s per axis
    std::vector<std::pair<double, double>> gnssOutages;  // [from, to) seconds
};

struct FlightScenario {
    ChartPosition start{8.0, 47.0};
    double startAltitude = 500;  // metres
    double startHeading = 30;    // degrees true
    double startSpeedKnots = 0;
    bool startOnGround = true;
    double sampleRate = 100;
    std::vector<FlightSegment> segments;
    SensorModel sensors;
    uint32_t seed = 1;
};

// The truth at one raw sample.
struct TruthState {
    double time = 0;
    Matrix3x3 attitude;
    double roll = 0, pitch = 0, heading = 0;  // degrees, cockpit convention
    double bank = 0;                          // commanded bank, degrees
    double speed = 0;                         // m/s
    bool onGround = true;
    bool gnssOutage = false;
};

struct GeneratedSample {
    TruthState truth;
    RawSample raw;
};

// Flies the scenario and renders what the sensors would have reported.
std::vector<GeneratedSample> generateFlight(const FlightScenario& scenario);
