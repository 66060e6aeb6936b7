#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "sensors/GPS_Data.h"

// Decides for each new GNSS record whether the fusion may use its position
// and velocity. A receiver with poor geometry or few satellites produces
// positions that jump and velocities that invent accelerations, and those
// would tilt the horizon; standing still, a record with a fair fix is
// harmless but says nothing.
class GnssAcceptance {
public:
    enum Verdict { ACCEPTED, STANDING_STILL, REJECTED };

    // Seconds since GNSS was last judged usable before the timing fails.
    static constexpr double kHintTimeout = 2.0;
    static constexpr uint32_t kMaxRecordGapMs = 2000;
    static constexpr double kLowSpeedKnots = 5.0;

    // Diagnostic lines go to `print`.
    explicit GnssAcceptance(std::function<void(const std::string&)> print, uint32_t reliableTimeoutMs = 2000);

    // Judges `gps` received at `iterationTime` (seconds); `timeSinceLastGPS`
    // is the time in milliseconds between this record and the previous one.
    Verdict judge(const GPS_Data& gps, double iterationTime, uint32_t timeSinceLastGPS);
    // Reports a change of the delivering GNSS source.
    void sourceChanged();

private:
    std::function<void(const std::string&)> print;
    uint32_t reliableTimeoutMs;
    double lastUsableTime;
    bool started = false;
};
