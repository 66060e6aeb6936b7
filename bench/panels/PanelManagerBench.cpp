// What the panel manager itself costs per frame: a page of 30 panels that
// draw nothing, the routing of one input event through them, and opening
// the menu window. Run under an X server (xvfb-run) with the OpenGL driver.
#include "panels/PanelManager.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "app/EventReceiver.h"
#include "support/TestAppContext.h"
#include "base/IniFile.h"
#include "gui/Drawer2D.h"
#include "gui/Skin.h"
#include "gui/dialogs/Dialog.h"
#include "gui/dialogs/SettingsEditorDialog.h"
#include "panels/Menu.h"

using namespace irr;

namespace {

struct EmptyPanel : IPanel {
    void render(core::rect<int>) override {}
    bool processEvent(SEvent) override { return true; }
    std::string getName() override { return "Empty"; }
};

struct EmptyFactory : IPanelFactory {
    void loadSetupFromIni(IniFile*, std::string) override {}
    void setup(IniFile*, std::string) override {}
    IPanel* Create() override { return new EmptyPanel; }
    std::string getName() override { return "Empty"; }
    void renderPreview(core::rect<int>) override {}
    void renderPreview(core::rect<int>, IPanel*) override {}
};


struct Fixture {
    Fixture() {
        device = createTestWindow(1280, 720);
        if (!device) return;
        window = std::make_unique<TestAppContext>(device, 121, 47, "");
        skin = std::make_unique<Skin>(device->getGUIEnvironment(), Skin::MODERN_DARK);
        panels = std::make_unique<PanelManager>(window.get(), skin.get());
        for (int i = 0; i < 21; ++i) panels->addPanelFactory(new EmptyFactory);
        IniFile ini;
        ini.set("", "PanelCount", "30");
        for (int i = 0; i < 30; ++i) {
            const std::string s = "P" + std::to_string(i);
            ini.set(s, "FactoryIndex", std::to_string(i % 21));
            ini.set(s, "Page", "0");
            ini.set(s, "ViewPortSX", std::to_string((i % 6) / 6.0));
            ini.set(s, "ViewPortSY", std::to_string((i / 6) / 5.0));
            ini.set(s, "ViewPortTX", std::to_string((i % 6 + 1) / 6.0));
            ini.set(s, "ViewPortTY", std::to_string((i / 6 + 1) / 5.0));
        }
        panels->loadPanelSettingsFromIni(&ini, [](const std::wstring&) {}, true, true);
    }
    ~Fixture() {
        panels.reset();
        skin.reset();
        window.reset();
        if (device) device->drop();
    }
    IrrlichtDevice* device = nullptr;
    std::unique_ptr<TestAppContext> window;
    std::unique_ptr<Skin> skin;
    std::unique_ptr<PanelManager> panels;
};

Fixture* fixture() {
    static Fixture* f = std::getenv("DISPLAY") ? new Fixture : nullptr;
    return f && f->device ? f : nullptr;
}

void BM_RenderThirtyEmptyPanels(benchmark::State& state) {
    Fixture* f = fixture();
    if (!f) return state.SkipWithError("needs an X display (xvfb-run)");
    video::IVideoDriver* driver = f->device->getVideoDriver();
    // One scene for all iterations: presenting a frame costs milliseconds
    // that are not the manager's, and pausing the timer per iteration would
    // cost more than what is measured.
    driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
    for (auto _ : state) {
        f->panels->Render();
        f->panels->RenderAfterGUI();
    }
    driver->endScene();
}
BENCHMARK(BM_RenderThirtyEmptyPanels)->Unit(benchmark::kMicrosecond);

void BM_RouteClickThroughThirtyPanels(benchmark::State& state) {
    Fixture* f = fixture();
    if (!f) return state.SkipWithError("needs an X display (xvfb-run)");
    SEvent e{};
    e.EventType = EET_MOUSE_INPUT_EVENT;
    e.MouseInput.Event = EMIE_LMOUSE_LEFT_UP;
    e.MouseInput.X = 640, e.MouseInput.Y = 400;
    for (auto _ : state) f->panels->processEvent(e);
}
BENCHMARK(BM_RouteClickThroughThirtyPanels)->Unit(benchmark::kMicrosecond);

// Opening the menu window and drawing the frame that shows it.
void BM_OpenMenuAndDrawOneFrame(benchmark::State& state) {
    Fixture* f = fixture();
    if (!f) return state.SkipWithError("needs an X display (xvfb-run)");
    Menu* menu = f->panels->getMenu();
    for (int i = 0; i < 8; ++i) menu->addEntry(L"Entry " + std::to_wstring(i), [] {});
    video::IVideoDriver* driver = f->device->getVideoDriver();
    for (auto _ : state) {
        menu->open();
        driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
        f->panels->Render();
        f->device->getGUIEnvironment()->drawAll();
        f->panels->renderInMenuPreview();
        f->panels->RenderAfterGUI();
        driver->endScene();
        state.PauseTiming();
        menu->close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMenuAndDrawOneFrame)->Unit(benchmark::kMillisecond);

// Opening the settings editor of a GDL90 receiver over the page and drawing
// the frame that shows it; the frame period is 36 ms.
void BM_OpenSettingsDialogAndDrawOneFrame(benchmark::State& state) {
    Fixture* f = fixture();
    if (!f) return state.SkipWithError("needs an X display (xvfb-run)");
    DialogContext c{f->device, f->skin.get(), 121, 47, {}};
    IniFile ini;
    const std::string descriptor =
        "port,Port (UDP):,4000,INT;flavor,Flavor:,Generic\\;Talos\\;Levil\\;PilotAware\\;uAvionix,ONE_OF;"
        "useSerial,Use Serial Port instead of UDP,0,BOOLEAN;deviceNode,Device Node: ,/dev/ttyUSB0,STRING;"
        "baudRate,Baudrate: ,230400,INT;";
    video::IVideoDriver* driver = f->device->getVideoDriver();
    for (auto _ : state) {
        SettingsEditorDialog dialog(c, descriptor, &ini, "S1");
        dialog.open();
        driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
        f->panels->Render();
        f->device->getGUIEnvironment()->drawAll();
        f->panels->RenderAfterGUI();
        driver->endScene();
    }
}
BENCHMARK(BM_OpenSettingsDialogAndDrawOneFrame)->Unit(benchmark::kMillisecond);

}  // namespace
