// libFuzzer target: names of the chart data through chartfilefuzz::checkNames.
#include <cstdio>
#include <cstdlib>

#include "ChartFileFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string problem = chartfilefuzz::checkNames(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
