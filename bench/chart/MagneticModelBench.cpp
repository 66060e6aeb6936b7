#include <benchmark/benchmark.h>

#include "geo/MagneticModel.h"

namespace {

// The first call parses the compiled-in table; the goal is for every call after it.
void BM_createMagTransform(benchmark::State& state) {
    createMagTransform(ChartPosition(0.0, 0.0), 0.0);
    double longitude = -180.0;
    for (auto _ : state) {
        longitude = longitude > 179.0 ? -180.0 : longitude + 0.37;
        benchmark::DoNotOptimize(createMagTransform(ChartPosition(longitude, 47.0), 1500.0));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_createMagTransform)->Unit(benchmark::kMicrosecond);

}  // namespace
