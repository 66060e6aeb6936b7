// How long the label optimiser takes to settle a busy map: 300 labels of the
// sizes map texts have (60-140 by 14-20 pixels) scattered over a 1280x720
// panel, so that most of them overlap others. "overlap_left" is the share
// of the shared area that remains, "iterations" the steps the run took.
#include <benchmark/benchmark.h>

#include <random>
#include <thread>

#include "map/labels/ConcurrentRectangleGradientDescent.h"
#include "map/labels/RectangleGradientDescent.h"
#include "map/labels/RectangleQuadTree.h"

namespace {
const LabelRect kPanel{0, 0, 1280, 720};
constexpr double kMaxMove = 40;

std::vector<LabelRect> busyMap() {
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> width(60, 140), height(14, 20), unit(0, 1);
    std::vector<LabelRect> labels;
    for (int i = 0; i < 300; ++i) {
        LabelRect r{0, 0, width(random), height(random)};
        r.left = unit(random) * (kPanel.width - r.width);
        r.top = unit(random) * (kPanel.height - r.height);
        labels.push_back(r);
    }
    return labels;
}

void BM_SettleLabels(benchmark::State& state) {
    const std::vector<LabelRect> labels = busyMap();
    RectangleDescentResult result;
    for (auto _ : state) {
        result = descendRectangles(labels, kPanel, kMaxMove);
        benchmark::DoNotOptimize(result.rects.data());
    }
    state.counters["overlap_left"] =
        RectangleQuadTree(result.rects).totalOverlap() / RectangleQuadTree(labels).totalOverlap();
    state.counters["iterations"] = result.iterations;
}
BENCHMARK(BM_SettleLabels)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The same through the worker thread, as the map sees it: from start until
// it reports the run finished.
void BM_SettleLabelsOnWorker(benchmark::State& state) {
    const std::vector<LabelRect> labels = busyMap();
    ConcurrentRectangleGradientDescent crgd;
    for (auto _ : state) {
        crgd.start(labels, kPanel, kMaxMove);
        while (!crgd.isFinished()) std::this_thread::yield();
    }
}
BENCHMARK(BM_SettleLabelsOnWorker)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}  // namespace
