#include "chart/files/WorldWideAreaTree.h"

#include <benchmark/benchmark.h>

namespace {

const WorldWideAreaTree& tree() {
    static WorldWideAreaTree shared;
    return shared;
}

void BM_CreateWorldWideAreaTree(benchmark::State& state) {
    for (auto _ : state) {
        WorldWideAreaTree fresh;
        benchmark::DoNotOptimize(fresh.getArea(7));
    }
}
BENCHMARK(BM_CreateWorldWideAreaTree)->Unit(benchmark::kMillisecond);

// A map view of 2 x 2 degrees, moved a little each time so the query is not
// the same every iteration.
void BM_BestFittingAreaList2x2(benchmark::State& state) {
    const WorldWideAreaTree& world = tree();
    double factor = static_cast<double>(state.range(0)) / 10.0;
    double offset = 0;
    for (auto _ : state) {
        offset = offset > 1.0 ? 0.0 : offset + 0.013;
        auto areas = world.getBestFittingAreaList(ChartPosition(236.3 + offset, 49.8), ChartPosition(238.3 + offset, 47.8),
                                                  factor);
        benchmark::DoNotOptimize(areas.data());
    }
}
BENCHMARK(BM_BestFittingAreaList2x2)->Arg(10)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_BestFittingAreaListAcrossMeridian(benchmark::State& state) {
    const WorldWideAreaTree& world = tree();
    for (auto _ : state) {
        auto areas = world.getBestFittingAreaList(ChartPosition(359, 52), ChartPosition(1, 50), 1.0);
        benchmark::DoNotOptimize(areas.data());
    }
}
BENCHMARK(BM_BestFittingAreaListAcrossMeridian)->Unit(benchmark::kMicrosecond);

void BM_OverlappingLeafes2x2(benchmark::State& state) {
    const WorldWideAreaTree& world = tree();
    for (auto _ : state) {
        auto leaves = world.getOverlappingLeafes(ChartPosition(236.3, 49.8), ChartPosition(238.3, 47.8));
        benchmark::DoNotOptimize(leaves.data());
    }
}
BENCHMARK(BM_OverlappingLeafes2x2)->Unit(benchmark::kMicrosecond);

}  // namespace
