// A page of eight instruments at 1280x720 under the OpenGL driver, fed by a
// sensor that changes every frame, with the heap allocations per frame
// counted. Run under an X server (xvfb-run).
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "app/EventReceiver.h"
#include "support/TestAppContext.h"
#include "base/IniFile.h"
#include "base/UnitConverter.h"
#include "gui/Drawer2D.h"
#include "panels/PanelKinds.h"
#include "panels/PanelManager.h"
#include "sensors/ISensorFactory.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

namespace {
std::atomic<long> allocations{0};
}

// Counting replacements of the global allocation functions; GCC cannot see
// that they pair with each other.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

using namespace irr;

namespace {

// The program's default background colour.
const video::SColor kBackground(255, 22, 30, 40);

// Every flight value, changing each frame as a live source's would.
class MovingSensor : public ISensor {
public:
    std::string getName() override { return "Moving"; }
    bool Update() override { return true; }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return tick; }
    ISensorData* getData(ISensorData::Type type) override {
        switch (type) {
        case ISensorData::ATTITUDE:
            return &attitude;
        case ISensorData::ALTITUDE:
            return &altitude;
        case ISensorData::HEADING:
            return &heading;
        case ISensorData::ACCELERATION:
            return &acceleration;
        case ISensorData::TURNRATE:
            return &turnRate;
        case ISensorData::AIRSPEED:
            return &airspeed;
        case ISensorData::VERTICALSPEED:
            return &verticalSpeed;
        default:
            return nullptr;
        }
    }
    bool isDataTypeSupported(ISensorData::Type type) override { return getData(type) != nullptr; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override {
        return {ISensorData::ATTITUDE, ISensorData::ALTITUDE, ISensorData::HEADING,      ISensorData::ACCELERATION,
                ISensorData::TURNRATE, ISensorData::AIRSPEED, ISensorData::VERTICALSPEED};
    }
    WarningLevel getWarning(ISensorData::Type) override { return GOOD; }
    // Steps chosen so that a few dozen frames sweep every needle and card
    // through its whole range: what a frame costs depends on the angles
    // (a turned picture is read along its rows or across them), and every
    // run of the benchmark should see all of them.
    void advance() {
        ++tick;
        altitude.altitude = 1000 + (tick * 137) % 9000, heading.heading = (tick * 7) % 360;
        airspeed.airSpeed = 40 + (tick * 11) % 140, verticalSpeed.verticalSpeed = double((tick * 3) % 40) - 20;
        airspeed.timeStamp = turnRate.timeStamp = tick;
        turnRate.turnRate = (tick % 7) - 3.0, acceleration.x = 0.1 * (tick % 5), acceleration.y = -9.81 - (tick % 13);
        // Banked up to 60 degrees either way, pitched up to 15.
        const double roll = 1.0472 * std::sin(tick * 0.37), pitch = 0.26 * std::sin(tick * 0.23);
        const Vector3d forward = {0, std::sin(pitch), std::cos(pitch)}, level = {1, 0, 0};
        const Vector3d up = forward.crossProduct(level);
        attitude.orientation = Matrix3x3(up * std::cos(roll) + level * std::sin(roll), forward);
    }
    uint32_t tick = 0;
    Attitude_Data attitude;
    Altitude_Data altitude{1000, 0};
    Heading_Data heading;
    Acceleration_Data acceleration;
    TurnRate_Data turnRate;
    AirSpeed_Data airspeed;
    VerticalSpeed_Data verticalSpeed;
};

struct MovingFactory : NoSetupGUISensorFactory {
    MovingSensor* last = nullptr;
    ISensor* Create() override { return last = new MovingSensor; }
    std::string getName() override { return "Moving"; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return MovingSensor().getSupportedDataTypes(); }
};

// One window for the process: this engine cannot open a second OpenGL
// window after closing the first.
struct Page {
    Page() {
        device = createTestWindow(1280, 720);
        if (!device) return;
        window = std::make_unique<TestAppContext>(device, 121, 47);
        registerSensorDataFactories(sensors);
        factory = new MovingFactory;
        sensors.addSensorFactory(factory);
        IniFile config;
        config.setFromString(
            "SensorCount = 2\nD1 = 1\nD2 = 1\nD3 = 1\nD5 = 1\nD7 = 1\nD8 = 1\nD9 = 1\n"
            "[S1]\nFactoryIndex = 0\n");
        sensors.loadSensorSettingsFromIni(&config, false);
        layOut(kMixed);
    }
    // Eight panels of these kinds in a 4 x 2 grid, in a new panel manager
    // (a loaded layout adds to the panels a manager has).
    void layOut(const int (&kinds)[8]) {
        panels.reset();
        panels = std::make_unique<PanelManager>(window.get(), nullptr);
        InstrumentContext context;
        context.app = window.get(), context.sensors = &sensors, context.units = &unitConverter;
        context.panels = panels.get();
        // As in the program: the page is cleared to the colour the dials
        // are told lies beneath them.
        context.background = [] { return kBackground; };
        registerPanelKinds(*panels, context);
        IniFile layout;
        layout.set("", "PanelCount", "8");
        for (int i = 0; i < 8; ++i) {
            const std::string s = "P" + std::to_string(i);
            layout.set(s, "FactoryIndex", std::to_string(kinds[i]));
            layout.set(s, "ViewPortSX", std::to_string((i % 4) / 4.0));
            layout.set(s, "ViewPortTX", std::to_string((i % 4 + 1) / 4.0));
            layout.set(s, "ViewPortSY", std::to_string((i / 4) / 2.0));
            layout.set(s, "ViewPortTY", std::to_string((i / 4 + 1) / 2.0));
        }
        panels->loadPanelSettingsFromIni(
            &layout, [](const std::wstring&) {}, true, true);
    }
    // Attitude, turn, altimeter, compass, vertical speed, speed, slip, g.
    static constexpr int kMixed[8] = {0, 1, 4, 5, 8, 9, 10, 11};
    IrrlichtDevice* device = nullptr;
    std::unique_ptr<TestAppContext> window;
    SensorManager sensors;
    MovingFactory* factory = nullptr;
    units::UnitConverter unitConverter;
    std::unique_ptr<PanelManager> panels;
};

enum Mode { kEmpty = 0, kPage = 1, kFloor = 2 };

// One opaque square of dial artwork where each of the eight dials sits.
void drawDialSquares(Page& page) {
    static video::ITexture* dial =
        page.device->getVideoDriver()->getTexture(CIRRONA_BINARY_DIR "/cirrona-home/media/gauge_back.png");
    for (int i = 0; i < 8; ++i) {
        const f32 side = 320, left = (i % 4) * 320.0f, top = (i / 4) * 360.0f + 20;
        page.window->getDrawer()->drawOpaque(dial, core::vector2df(left, top), core::vector2df(side, side), 0,
                                             core::vector2df(0.5f, 0.5f));
    }
}

Page* thePage() {
    static Page* page = std::getenv("DISPLAY") ? new Page : nullptr;
    return page && page->device ? page : nullptr;
}

void runFrames(benchmark::State& state, Page* page, int mode) {
    video::IVideoDriver* driver = page->device->getVideoDriver();
    long allocated = 0, frames = 0;
    for (auto _ : state) {
        page->factory->last->advance();
        driver->beginScene(true, true, kBackground);
        const long before = allocations.load();
        if (mode == kPage) page->panels->Render();
        if (mode == kFloor) drawDialSquares(*page);
        allocated += allocations.load() - before;
        ++frames;
        // The software renderer rasterises on its own threads: wait for it,
        // so the pixels count, but not for presenting the frame.
        glFinish();
        state.PauseTiming();
        driver->endScene();
        state.ResumeTiming();
    }
    state.counters["allocations/frame"] = double(allocated) / double(frames);
}

void BM_EightInstrumentPage(benchmark::State& state) {
    Page* page = thePage();
    if (!page) return state.SkipWithError("needs an X display (xvfb-run)");
    runFrames(state, page, int(state.range(0)));
}
// Argument 0 (kEmpty): the same frame without the instruments (clearing and
// waiting for the renderer), to subtract. 2 (kFloor): what any page of eight
// pictured dials costs at the least, one opaque textured square per dial.
BENCHMARK(BM_EightInstrumentPage)
    ->Arg(kEmpty)
    ->Arg(kPage)
    ->Arg(kFloor)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();

// Eight instruments of one kind (the argument, a panel kind), to tell what
// each costs: (this - empty frame) / 8.
void BM_EightOfOneKind(benchmark::State& state) {
    Page* page = thePage();
    if (!page) return state.SkipWithError("needs an X display (xvfb-run)");
    int kinds[8];
    for (int& kind : kinds) kind = int(state.range(0));
    page->layOut(kinds);
    // Their dial layers and sized pictures are made in the first frame.
    video::IVideoDriver* driver = page->device->getVideoDriver();
    driver->beginScene(true, true, kBackground);
    page->panels->Render();
    driver->endScene();
    runFrames(state, page, kPage);
    page->layOut(Page::kMixed);
}
BENCHMARK(BM_EightOfOneKind)
    ->DenseRange(0, 1)
    ->Arg(4)
    ->Arg(5)
    ->DenseRange(8, 11)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->UseRealTime();

}  // namespace
