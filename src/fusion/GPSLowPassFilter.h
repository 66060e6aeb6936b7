#pragma once
#include <functional>
#include <string>

#include "sensors/GPS_Data.h"

// Smooths successive GNSS records for display: position, altitude and
// ground speed follow the receiver with a time constant of sigmaOverT record
// intervals. A jump in time (an outage) or a large jump in position clears
// the filter so that it never drags the aircraft across the map.
class GPSLowPassFilter {
public:
    static constexpr double kMaxGapSeconds = 3.0;
    static constexpr double kMaxJumpDegrees = 0.05;

    explicit GPSLowPassFilter(double sigmaOverT, std::function<void(const std::string&)> print)
        : sigmaOverT(sigmaOverT), print(std::move(print)) {}

    // Filters `gps` taken at `time` in place.
    void filter(GPS_Data& gps, double time);
    void clear();

private:
    double sigmaOverT;
    std::function<void(const std::string&)> print;
    bool started = false;
    double lastTime = 0, interval = 1.0;
    double latitude = 0, longitude = 0, altitude = 0, speed = 0;
};
