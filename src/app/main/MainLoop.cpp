#include "app/main/MainLoop.h"

#include <irrlicht.h>

#include <string>

#include "app/EventReceiver.h"
#include "base/Logger.h"
#include "app/Screenshot.h"
#include "app/ShutdownSignal.h"
#include "app/main/Context.h"
#include "gui/HWInputManager.h"
#include "gui/InputSystem.h"
#include "gui/Skin.h"
#include "panels/PanelManager.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {

void drawFrameRate(IrrlichtDevice* device, Skin* skin, s32 fps) {
    gui::IGUIFont* font = skin ? skin->getDefaultFont() : device->getGUIEnvironment()->getBuiltInFont();
    if (!font) return;
    const std::wstring text = std::to_wstring(fps) + L" FPS";
    const core::dimension2d<u32> size = font->getDimension(text.c_str());
    const core::rect<s32> box(0, 0, size.Width, size.Height);
    device->getVideoDriver()->draw2DRectangle(video::SColor(0xFF000000), box);
    font->draw(text.c_str(), box, video::SColor(0xFFFFFFFF), true, true);
}

void updateCaption(IrrlichtDevice* device, s32& lastFps) {
    video::IVideoDriver* driver = device->getVideoDriver();
    const s32 fps = driver->getFPS();
    if (fps == lastFps) return;
    std::wstring caption = L"Cirrona [";
    caption += driver->getName();
    caption += L"] FPS:" + std::to_wstring(fps);
    device->setWindowCaption(caption.c_str());
    lastFps = fps;
}

}  // namespace

void runMainLoop(IrrlichtDevice* device, Context& context) {
    video::IVideoDriver* driver = device->getVideoDriver();
    s32 lastFps = -1;
    while (device->run() && !context.shallExit()) {
        if (isShutdownRequested()) {
            context.setShallExit(true);
            break;
        }
        if (SensorManager* sensors = context.getSensorManager()) sensors->Update();
        PanelManager* panels = context.getPanelManager();
        EventReceiver* events = context.getEventReceiver();
        HWInputManager* hw = context.getHWInputManager();
        while (events && events->isEventAvailable()) {
            const SEvent event = events->popEvent();
            // A key bound to an action is used up by it.
            if (hw && hw->processEvent(event)) continue;
            if (panels) panels->processEvent(event);
        }
        context.yieldAndUpdate();
        panels = context.getPanelManager();

        Skin* skin = context.getSkin();
        const video::SColor background = skin ? skin->getBackgroundColor() : video::SColor(255, 0, 0, 0);
        driver->beginScene(true, true, background);
        if (panels) panels->Render();
        device->getGUIEnvironment()->drawAll();
        if (panels) {
            panels->renderInMenuPreview();
            panels->RenderAfterGUI();
        }
        if (InputSystem* input = context.getInputSystem()) input->render();
        if (panels && panels->shallDrawFPS()) drawFrameRate(device, skin, lastFps < 0 ? 0 : lastFps);
        if (events && events->takeScreenshotRequest()) {
            const std::string file = saveScreenshot(driver, context.getPath("Screenshots/"));
            logMessage(file.empty() ? std::string("screenshot failed") : "screenshot saved: " + file);
        }
        driver->endScene();
        updateCaption(device, lastFps);
    }
}
