// libFuzzer target: deserialising records of every sample type, of any length.
#include <cstdio>
#include <cstdlib>

#include "SensorFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string problem = sensorfuzz::checkRecord(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
