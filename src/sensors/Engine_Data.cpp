#include "sensors/Engine_Data.h"

#include <cstdio>

bool Engine_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    // Another version has another layout: only its version is taken.
    readRecord(data, size_t(size), version);
    return version == kVersion && FixedRecordSample::deserialize(data, size);
}

void Engine_Data::print() const {
    std::printf("Engine: version %u analog0 %u tc0 %d count0 %u count1 %u\n", version, analog[0], thermocouple[0],
                counter[0].count, counter[1].count);
}
