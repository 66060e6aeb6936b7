// libFuzzer target: the GDL90 frame parser and every message decoder on
// arbitrary byte streams.
#include "GDL90FuzzChecks.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Bad checksums are reported on standard error; millions of them would
    // only slow the fuzzer down.
    std::cerr.setstate(std::ios::badbit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string problem = gdl90fuzz::checkStream(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
