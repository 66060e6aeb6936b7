// CPU cost of fusing one 100 Hz raw sample: the whole iteration (GNSS
// acceptance, calibration, filters, strategies, selection), once with every
// strategy running as the service does and once per strategy alone.
#include <benchmark/benchmark.h>

#include "FlightScenarios.h"
#include "fusion/AttitudeFusion.h"
#include "fusion/estimation/RotationEstimationRegistry.h"

namespace {

const std::vector<GeneratedSample>& flight() {
    static const std::vector<GeneratedSample> samples = [] {
        FlightScenario s;
        makeScenario("turns", s);
        return generateFlight(s);
    }();
    return samples;
}

void fuse(benchmark::State& state, int only) {
    const std::vector<GeneratedSample>& samples = flight();
    AttitudeFusion fusion(FusionSettings(), [](const std::string&) {});
    if (only >= 0) fusion.runOnly(only);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fusion.step(samples[i].raw).attitude);
        if (++i == samples.size()) {
            // Start the flight again with a fresh fusion, outside the timing.
            state.PauseTiming();
            i = 0;
            fusion.~AttitudeFusion();
            new (&fusion) AttitudeFusion(FusionSettings(), [](const std::string&) {});
            if (only >= 0) fusion.runOnly(only);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FuseSampleAllStrategies(benchmark::State& state) { fuse(state, -1); }
BENCHMARK(BM_FuseSampleAllStrategies);

void BM_FuseSampleOneStrategy(benchmark::State& state) {
    state.SetLabel(AttitudeFusion(FusionSettings(), [](const std::string&) {}).getStrategyName(int(state.range(0))));
    fuse(state, int(state.range(0)));
}
BENCHMARK(BM_FuseSampleOneStrategy)->Apply([](benchmark::internal::Benchmark* b) {
    const auto factories = createRotationEstimationFactories();
    for (size_t type = 0; type < factories.size(); ++type)
        if (factories[type]) b->Arg(int(type));
});

}  // namespace
