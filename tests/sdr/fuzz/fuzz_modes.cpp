#include "ModeSFuzzChecks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!checkModeSInput(data, size).empty()) std::abort();
    return 0;
}
