#pragma once
#include <cstdint>

// Exponential smoother of the vertical speed: on a new input v at time t
// (seconds) output = (1 - a) * v + a * output with a = exp(-(t - tLast) * k).
// The first input is taken as it is; inputs less than 0.1 ms apart are ignored.
class VerticalSpeedFilter {
public:
    void setRate(double perSecond) { rate = perSecond; }
    double getRate() const { return rate; }
    void addInput(double value, double timeSeconds);
    double getOutput() const { return output; }
    bool hasOutput() const { return started; }
    void reset();

private:
    double rate = 0.0;
    double output = 0.0;
    double lastTime = 0.0;
    bool started = false;
};

// Turns successive pressure readings into vertical-speed inputs: altitude
// difference (standard atmosphere) over the time between the readings'
// time stamps.
class PressureVerticalSpeed {
public:
    // False for the first reading and for readings without elapsed time;
    // otherwise *speed receives metres per second.
    bool addReading(double pressure, uint32_t timeStampMs, double* speed);
    void reset() { havePrevious = false; }

private:
    double previousAltitude = 0.0;
    uint32_t previousTimeStamp = 0;
    bool havePrevious = false;
};
