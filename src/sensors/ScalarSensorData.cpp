#include "sensors/ScalarSensorData.h"

#include <cstdio>

void printScalar(const char* label, double value, uint32_t timeStamp) {
    std::printf("%s: %f timeStamp: %u\n", label, value, timeStamp);
}
