#include "sensors/ScalarSensorData.h"

#include <cstdio>

#include "base/RecordCodec.h"

void* AScalarSensorData::serializeScalar(double value, uint32_t timeStamp, int* size) {
    RecordWriter out(record);
    out.put(value);
    out.put(timeStamp);
    *size = out.length();
    return record;
}

bool AScalarSensorData::deserializeScalar(const void* data, int size, double& value, uint32_t& timeStamp) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    in.get(value);
    in.get(timeStamp);
    return true;
}

void AScalarSensorData::printScalar(const char* label, double value, uint32_t timeStamp) {
    std::printf("%s: %f timeStamp: %u\n", label, value, timeStamp);
}
