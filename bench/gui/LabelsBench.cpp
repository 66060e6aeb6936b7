// A frame of 200 text labels with the scalable font against the same frame
// without them, in a real OpenGL window: run under xvfb-run to measure the
// software renderer (llvmpipe). glFinish makes the rasterising count.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <irrlicht.h>

#include <cstdlib>
#include <string>

#include "gui/FlexibleFont.h"
#include "gui/HeapTuning.h"

using namespace irr;

namespace {
const std::string kRoboto = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Medium.ttf";

struct Window {
    IrrlichtDevice* device = nullptr;
    FlexibleFontManager* fonts = nullptr;
    Window() {
        if (!std::getenv("DISPLAY")) return;
        keepHeapForDrawCalls();
        SIrrlichtCreationParameters p;
        p.DriverType = video::EDT_OPENGL;
        p.WindowSize = core::dimension2d<u32>(800, 480);
        p.LoggingLevel = ELL_NONE;
        device = createDeviceEx(p);
        if (device) fonts = new FlexibleFontManager(device->getVideoDriver());
    }
};

Window& window() {
    static Window w;  // one window per process, as the engine allows
    return w;
}

void frame(benchmark::State& state, int labels, bool queued) {
    Window& w = window();
    if (!w.device) {
        state.SkipWithError("needs an X display: run under xvfb-run");
        return;
    }
    video::IVideoDriver* driver = w.device->getVideoDriver();
    FlexibleFont* font = w.fonts->getFont(kRoboto, 18);
    const wchar_t* texts[] = {L"FL 085", L"118.250", L"GS 112 kt", L"QNH 1013", L"N47 12.4", L"TRK 274\u00B0"};
    for (auto _ : state) {
        w.device->run();
        driver->beginScene(true, true, video::SColor(255, 20, 30, 40));
        for (int i = 0; i < labels; ++i) {
            const s32 x = (i % 10) * 80, y = (i / 10) * 24;
            const core::rect<s32> box(x, y, x + 80, y + 24);
            if (queued) font->queue(texts[i % 6], box, video::SColor(255, 255, 255, 255));
            else font->draw(texts[i % 6], box, video::SColor(255, 255, 255, 255));
        }
        font->flush();
        glFinish();
        driver->endScene();
    }
}

void BM_EmptyFrame(benchmark::State& state) { frame(state, 0, true); }
void BM_Frame200Labels(benchmark::State& state) { frame(state, 200, true); }
// The same labels with a driver call each, as GUI elements draw their text.
void BM_Frame200LabelsOneCallEach(benchmark::State& state) { frame(state, 200, false); }
}  // namespace

BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Frame200Labels)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Frame200LabelsOneCallEach)->Unit(benchmark::kMillisecond)->UseRealTime();
