// libFuzzer target: leaf files of the chart data through chartfilefuzz::checkLeafFiles.
#include <cstdio>
#include <cstdlib>

#include "ChartFileFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string problem = chartfilefuzz::checkLeafFiles(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
