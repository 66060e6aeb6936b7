// The moving map at 1280x720 under the OpenGL driver (run under xvfb-run):
// a full re-render of the chart picture and a frame that reuses it, over the
// demo region and over the densest part of the world chart, at the widest
// view that still shows labels. A full re-render is timed from the moment
// the picture is dropped until the new one is shown, over as many frames as
// its time budget spreads it.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <memory>
#include <string>

#include "base/DataLocationsFile.h"
#include "base/UnitConverter.h"
#include "chart/files/ExtendedChart.h"
#include "gui/FlexibleFont.h"
#include "map/ChartRenderers.h"
#include "map/Map2D.h"
#include "map/view/MapViewport.h"
#include "support/TestAppContext.h"
#include "support/WorldChart.h"

using namespace irr;

namespace {

constexpr u32 kWidth = 1280, kHeight = 720;

struct MapBench {
    IrrlichtDevice* device = createTestWindow(kWidth, kHeight);
    TestAppContext app{device, 80, 48};
    FlexibleFontManager fonts{device->getVideoDriver()};
    units::UnitConverter units;
    std::shared_ptr<ChartRenderers> renderers = std::make_shared<ChartRenderers>(app.drawer);
    std::unique_ptr<ExtendedChart> demo, world;

    std::unique_ptr<Map2D> makeMap(ExtendedChart* chart) {
        MapContext context;
        context.instruments.app = &app;
        context.instruments.units = &units;
        context.instruments.font = [this](int height) -> gui::IGUIFont* {
            return fonts.getFont(std::string(CIRRONA_BINARY_DIR) + "/cirrona-home/media/sdff/fonts/Roboto Medium.ttf",
                                 static_cast<unsigned>(height));
        };
        context.chart = chart;
        context.renderers = renderers;
        return std::make_unique<Map2D>(context, MapSettings());
    }
    // One frame; with a state, presenting it (a copy into the virtual X
    // server that a real display does not pay) is left out of the time.
    void frame(Map2D& map, benchmark::State* state = nullptr) {
        device->run();
        video::IVideoDriver* driver = device->getVideoDriver();
        driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
        map.render(core::rect<int>(0, 0, kWidth, kHeight));
        glFinish();  // the frame's cost includes the rasteriser's work
        if (state) state->PauseTiming();
        driver->endScene();
        if (state) state->ResumeTiming();
    }
};

MapBench& bench() {
    static MapBench instance;
    return instance;
}

// The zoom at which a full-screen map at this latitude shows labels for the
// last time (the scale measure at its limit): the most to draw with labels.
double densestLabelZoom(double latitude) {
    const double measure = kLabelScaleLimit * 0.999;
    return std::sqrt(double(kWidth) * kHeight /
                     (measure * std::cos(latitude * M_PI / 180.0) * kMetresPerDegree * kMetresPerDegree));
}

void centre(Map2D& map, double longitude, double latitude) {
    map.processPanelEvent("gotoPos", {{"longitude", std::to_string(longitude)}, {"latitude", std::to_string(latitude)}});
    map.processPanelEvent("zoom", {{"zoom", std::to_string(densestLabelZoom(latitude))}});
}

// Until the chart is drawn for the view (a zoom rests before that).
void settle(Map2D& map) {
    for (int i = 0; i < 1000 && (i < 2 || !map.isChartCurrent()); ++i) {
        bench().frame(map);
        usleep(5000);
    }
}

void fullRerender(benchmark::State& state, ExtendedChart* chart, double longitude, double latitude) {
    std::unique_ptr<Map2D> map = bench().makeMap(chart);
    centre(*map, longitude, latitude);
    settle(*map);
    long frames = 0;
    for (auto _ : state) {
        map->OnChartStyleChanged();
        do {
            bench().frame(*map, &state);
            ++frames;
        } while (map->isDrawingChart());
    }
    state.counters["framesPerPicture"] = double(frames) / state.iterations();
    state.counters["elements"] = double(map->getDrawnElementCount());
}

void cachedFrame(benchmark::State& state, ExtendedChart* chart, double longitude, double latitude) {
    std::unique_ptr<Map2D> map = bench().makeMap(chart);
    centre(*map, longitude, latitude);
    settle(*map);
    for (auto _ : state) bench().frame(*map, &state);
    state.counters["elements"] = double(map->getDrawnElementCount());
}

ExtendedChart* demoChart() {
    if (!bench().demo) {
        const std::string home = std::string(CIRRONA_BINARY_DIR) + "/cirrona-home/";
        std::string storage, error;
        findChartStoragePath(home, &storage, &error);
        bench().demo = std::make_unique<ExtendedChart>(home, 100000, 80, nullptr, storage);
        bench().demo->loadData();
    }
    return bench().demo.get();
}

ExtendedChart* worldChart(benchmark::State& state) {
    if (!world_chart::prepareWorldChart(state)) return nullptr;
    if (!bench().world) {
        bench().world = std::make_unique<ExtendedChart>(world_chart::WORLD_HOME);
        bench().world->loadData();
    }
    return bench().world.get();
}

// Vancouver, in the middle of the demo chart.
constexpr double kDemoLongitude = -123.18, kDemoLatitude = 49.19;
// The region of the world chart with the most elements at this scale among
// those tried (New York, Los Angeles, London, Frankfurt, Zurich): the
// north-east of the United States around New York.
constexpr double kDenseLongitude = -73.9, kDenseLatitude = 40.75;

void BM_DemoFullRerender(benchmark::State& state) { fullRerender(state, demoChart(), kDemoLongitude, kDemoLatitude); }
void BM_DemoCachedFrame(benchmark::State& state) { cachedFrame(state, demoChart(), kDemoLongitude, kDemoLatitude); }
void BM_WorldFullRerender(benchmark::State& state) {
    if (ExtendedChart* chart = worldChart(state)) fullRerender(state, chart, kDenseLongitude, kDenseLatitude);
}
void BM_WorldCachedFrame(benchmark::State& state) {
    if (ExtendedChart* chart = worldChart(state)) cachedFrame(state, chart, kDenseLongitude, kDenseLatitude);
}

BENCHMARK(BM_DemoFullRerender)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DemoCachedFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorldFullRerender)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WorldCachedFrame)->Unit(benchmark::kMillisecond);

}  // namespace
