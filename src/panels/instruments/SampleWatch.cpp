#include "panels/instruments/SampleWatch.h"

#include "sensors/ISensor.h"

ISensorData* SampleWatch::poll(ISensor* sensor, double now) {
    ISensorData* data = sensor ? sensor->getData(type) : nullptr;
    if (sensor != lastSensor) {
        lastSensor = sensor;
        lastChange = -1e300;
        lastRecord.clear();
        lastMarker = sensor ? sensor->lastTimeUpdated(type) : 0;
        if (data) {
            int size = 0;
            const char* bytes = static_cast<const char*>(data->serialize(&size));
            lastRecord.assign(bytes, size);
        }
    } else if (data) {
        const uint32_t marker = sensor->lastTimeUpdated(type);
        int size = 0;
        const char* bytes = static_cast<const char*>(data->serialize(&size));
        if (marker != lastMarker || lastRecord.size() != static_cast<size_t>(size) ||
            lastRecord.compare(0, size, bytes, size) != 0) {
            lastChange = now;
            lastMarker = marker;
            lastRecord.assign(bytes, size);
        }
    }
    live = data && now - lastChange <= timeout;
    return live ? data : nullptr;
}
