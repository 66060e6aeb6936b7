#include <benchmark/benchmark.h>

#include <vector>

#include "geo/Geodesy.h"

namespace {

// A spread of legs: half short (flat frame), half long (great circle).
std::vector<std::pair<ChartPosition, ChartPosition>> makeLegs() {
    std::vector<std::pair<ChartPosition, ChartPosition>> legs;
    for (int i = 0; i < 256; ++i) {
        ChartPosition a(-170.0 + i * 1.3, -70.0 + (i % 140));
        double distance = (i % 2 == 0) ? 100.0 + i * 20.0 : 20000.0 + i * 5000.0;
        legs.emplace_back(a, calcChartPositionAtBearing(a, i * 7.0, distance));
    }
    return legs;
}

// Runs `measure(a, b)` over the legs in turn, one leg per iteration.
template <class Measure>
void runOverLegs(benchmark::State& state, Measure measure) {
    auto legs = makeLegs();
    size_t i = 0;
    for (auto _ : state) {
        const auto& leg = legs[i++ & 255];
        benchmark::DoNotOptimize(measure(leg.first, leg.second));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_calcDistance2(benchmark::State& state) {
    runOverLegs(state, [](const ChartPosition& a, const ChartPosition& b) { return calcDistance2(a, b); });
}
BENCHMARK(BM_calcDistance2);

void BM_calcBearing2(benchmark::State& state) {
    runOverLegs(state, [](const ChartPosition& a, const ChartPosition& b) { return calcBearing2(a, b); });
}
BENCHMARK(BM_calcBearing2);

void BM_ChartPosition2Vector3df64(benchmark::State& state) {
    runOverLegs(state, [](const ChartPosition& reference, const ChartPosition& position) {
        return ChartPosition2Vector3df64(reference, position, 0.0);
    });
}
BENCHMARK(BM_ChartPosition2Vector3df64);

}  // namespace
