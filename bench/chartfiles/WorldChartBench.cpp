// Loading and element access on the chart compiled from the whole world's
// nav data: the folder named by CIRRONA_WORLD_NAVDATA holding apt, nav, fix,
// awy and poi .dat.gz files (41 MB, too large to carry in the repository).
// Skipped, with a word why, when it is not set.
#include "support/WorldChart.h"
#include "chart/files/ChartFileIO.h"
#include "chart/files/ExtendedChart.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <unistd.h>

using namespace world_chart;

namespace {

bool prepare(benchmark::State& state) { return prepareWorldChart(state); }

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void BM_LoadWorldChart(benchmark::State& state) {
    if (!prepare(state))
        return;
    long before = residentKilobytes();
    long grown = 0;
    for (auto _ : state) {
        ExtendedChart chart(WORLD_HOME);
        chart.loadData();
        grown = residentKilobytes() - before;
        benchmark::DoNotOptimize(chart.getStaticElementCount());
    }
    state.counters["loadedMB"] = static_cast<double>(grown) / 1024.0;
}
BENCHMARK(BM_LoadWorldChart)->Unit(benchmark::kMillisecond)->Iterations(3);

ExtendedChart& loadedWorldChart(size_t cacheSize) {
    static std::unique_ptr<ExtendedChart> chart;
    static size_t loadedCacheSize = 0;
    if (!chart || loadedCacheSize != cacheSize) {
        chart = std::make_unique<ExtendedChart>(WORLD_HOME, cacheSize);
        chart->loadData();
        loadedCacheSize = cacheSize;
    }
    return *chart;
}

// Identifiers of real elements, spread over every sub-chart.
std::vector<int32_t> sampleIdentifiers(const ExtendedChart& chart, size_t count) {
    std::vector<int32_t> identifiers;
    std::mt19937 random(1);
    for (size_t i = 0; i < count; i++) {
        int subChart = static_cast<int>(random() % static_cast<unsigned>(chart.getSubChartCount()));
        uint32_t elements = chart.getSubChart(subChart)->getElementCount();
        if (elements > 0)
            identifiers.push_back(makeChartElementIdentifier(subChart, static_cast<int32_t>(random() % elements)));
    }
    return identifiers;
}

void BM_GetChartElementMiss(benchmark::State& state) {
    if (!prepare(state))
        return;
    // A cache far smaller than the sample, so nearly every look-up loads.
    ExtendedChart& chart = loadedWorldChart(1000);
    std::vector<int32_t> identifiers = sampleIdentifiers(chart, 200000);
    size_t next = 0;
    uint32_t missesBefore = chart.getElementCacheMissCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.getChartElement(identifiers[next]));
        next = (next + 1) % identifiers.size();
    }
    state.counters["missRatio"] =
        static_cast<double>(chart.getElementCacheMissCount() - missesBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_GetChartElementMiss)->Unit(benchmark::kMicrosecond);

void BM_GetChartElementHit(benchmark::State& state) {
    if (!prepare(state))
        return;
    ExtendedChart& chart = loadedWorldChart(100000);
    std::vector<int32_t> identifiers = sampleIdentifiers(chart, 5000);
    for (int32_t identifier : identifiers)
        chart.getChartElement(identifier);
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.getChartElement(identifiers[next]));
        next = (next + 1) % identifiers.size();
    }
}
BENCHMARK(BM_GetChartElementHit)->Unit(benchmark::kNanosecond);

void BM_GetMatchingWorld3Letters(benchmark::State& state) {
    if (!prepare(state))
        return;
    ExtendedChart& chart = loadedWorldChart(100000);
    const char* const prefixes[] = {"KSE", "EDD", "CYV", "LFP", "Lak", "San", "BOS", "EGL"};
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.getMatchingChartElements(prefixes[next], 100));
        next = (next + 1) % 8;
    }
}
BENCHMARK(BM_GetMatchingWorld3Letters)->Unit(benchmark::kMicrosecond);

}  // namespace
