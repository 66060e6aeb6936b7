#pragma once
// The chart compiled from the whole world's nav data: the folder named by
// CIRRONA_WORLD_NAVDATA holding apt, nav, fix, awy and poi .dat.gz files
// (41 MB, too large to carry in the repository). Benchmarks that need it
// skip, with a word why, when it is not set.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "ChartCompiler.h"
#include "chart/files/ChartFileIO.h"

namespace world_chart {

inline const std::string WORLD_DATA = [] {
    const char* folder = std::getenv("CIRRONA_WORLD_NAVDATA");
    return folder ? std::string(folder) + "/" : std::string();
}();
// Compiled once and kept between runs: compiling takes far longer than loading.
inline const std::string WORLD_HOME = "/tmp/cirrona-bench-world-chart/";

inline bool worldDataPresent() {
    return access((WORLD_DATA + "apt.dat.gz").c_str(), R_OK) == 0;
}

inline bool compileWorldChart() {
    static int state = 0;  // 0 not tried, 1 ready, 2 failed
    if (state != 0)
        return state == 1;
    std::string stamp = WORLD_HOME + "compiled.stamp";
    if (access(stamp.c_str(), F_OK) == 0) {
        state = 1;
        return true;
    }
    ChartCompilerOptions options;
    options.vendor = "World";
    options.outFolder = WORLD_HOME + "ChartData";
    for (const char* name : {"apt.dat.gz", "nav.dat.gz", "fix.dat.gz", "awy.dat.gz", "poi.dat.gz"})
        options.inputs.push_back(WORLD_DATA + name);
    options.quiet = true;
    std::cerr << "Compiling the world chart into " << WORLD_HOME << " (once)..." << std::endl;
    ChartCompiler compiler(options, std::cerr);
    state = compiler.run() == 0 && createFolders(WORLD_HOME) && std::ofstream(stamp).good() ? 1 : 2;
    return state == 1;
}

// Compiles the chart once; false (with the reason on the benchmark) when it
// cannot be had.
inline bool prepareWorldChart(benchmark::State& state) {
    if (!worldDataPresent()) {
        state.SkipWithError(("skipped: world nav data not found in " + WORLD_DATA).c_str());
        return false;
    }
    if (!compileWorldChart()) {
        state.SkipWithError("skipped: the world chart did not compile");
        return false;
    }
    return true;
}

}  // namespace world_chart
