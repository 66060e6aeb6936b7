#include "sensors/VerticalSpeedFilter.h"

#include <cmath>

#include "base/Time.h"
#include "sensors/PressureAltitude.h"

void VerticalSpeedFilter::addInput(double value, double timeSeconds) {
    if (!started) {
        output = value;
        lastTime = timeSeconds;
        started = true;
        return;
    }
    const double elapsed = timeSeconds - lastTime;
    if (elapsed <= 0.0001) return;
    const double a = std::exp(-elapsed * rate);
    output = (1.0 - a) * value + a * output;
    lastTime = timeSeconds;
}

void VerticalSpeedFilter::reset() {
    output = 0.0;
    lastTime = 0.0;
    started = false;
}

bool PressureVerticalSpeed::addReading(double pressure, uint32_t timeStampMs, double* speed) {
    const double altitude = calcAltitudeFromPressure(pressure, kStandardSeaLevelPressure);
    const bool hadPrevious = havePrevious;
    const double previous = previousAltitude;
    const uint32_t elapsedMs = hadPrevious ? TimeDiff(timeStampMs, previousTimeStamp) : 0;
    previousAltitude = altitude;
    previousTimeStamp = timeStampMs;
    havePrevious = true;
    if (!hadPrevious || elapsedMs == 0) return false;
    *speed = (altitude - previous) / (elapsedMs / 1000.0);
    return true;
}
