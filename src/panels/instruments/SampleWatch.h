#pragma once
#include <cstdint>
#include <string>

#include "sensors/ISensorData.h"

class ISensor;

// Tells whether a sensor's sample of one type is live. Sources mark updates
// in different ways (time stamps, counters, a per-cycle flag) and a sample
// may keep its old value when the source goes quiet, so the watch looks at
// both the source's change marker and the sample's record: when neither has
// changed for the time-out, the value is stale and an instrument must show
// that it has none rather than freeze its needle.
class SampleWatch {
public:
    SampleWatch(ISensorData::Type type, double timeoutSeconds) : type(type), timeout(timeoutSeconds) {}

    // Once per frame with the default source of the type; returns the sample
    // when it is live, else null. A new source starts out not live.
    ISensorData* poll(ISensor* sensor, double nowSeconds);
    bool isLive() const { return live; }

private:
    ISensorData::Type type;
    double timeout;
    ISensor* lastSensor = nullptr;
    uint32_t lastMarker = 0;
    std::string lastRecord;
    double lastChange = -1e300;
    bool live = false;
};
