// libFuzzer target: the NMEA parser on arbitrary byte streams.
#include <cstdio>
#include <cstdlib>

#include "SensorFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string problem = sensorfuzz::checkNMEA(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
