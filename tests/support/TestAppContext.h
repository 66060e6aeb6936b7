#pragma once
// The application context a drawing test or benchmark gives the panels: its
// own window, a 2D drawer, an event receiver, fixed button sizes and paths
// below a home of its choice (the built home by default).
#include <irrlicht.h>

#include <string>

#include "app/EventReceiver.h"
#include "app/ICommonAppContext.h"
#include "gui/Drawer2D.h"
#include "gui/MaterialManager.h"

// An OpenGL window of that size, quiet; null without an X display.
inline irr::IrrlichtDevice* createTestWindow(irr::u32 width, irr::u32 height) {
    irr::SIrrlichtCreationParameters p;
    p.DriverType = irr::video::EDT_OPENGL;
    p.WindowSize = irr::core::dimension2d<irr::u32>(width, height);
    p.LoggingLevel = irr::ELL_NONE;
    // As the program's window: 2D only, no depth buffer.
    p.ZBufferBits = 0;
    return irr::createDeviceEx(p);
}

class TestAppContext : public ICommonAppContext {
public:
    TestAppContext(irr::IrrlichtDevice* device, int buttonWidth, int buttonHeight,
                   std::string home = std::string(CIRRONA_BINARY_DIR) + "/cirrona-home/")
        : device(device), drawer(device), events(this, 200), buttonWidth(buttonWidth), buttonHeight(buttonHeight),
          home(std::move(home)) {
        // The drawer gets the program's own materials, as in the program.
        MaterialManager(device->getVideoDriver()).configure(drawer);
    }

    EventReceiver* getEventReceiver() override { return &events; }
    Drawer2D* getDrawer() override { return &drawer; }
    irr::IrrlichtDevice* getIrrlichtDevice() override { return device; }
    FlexibleFont* getFlexibleFont() override { return nullptr; }
    int getRecommendedButtonWidth() override { return buttonWidth; }
    int getRecommendedButtonHeight() override { return buttonHeight; }
    std::string getPath(const std::string& relative) override { return home + relative; }
    void setSoftInputVisibility(bool) override {}
    void gotoURL(const std::string&) override {}

    irr::IrrlichtDevice* device;
    Drawer2D drawer;
    EventReceiver events;

private:
    int buttonWidth, buttonHeight;
    std::string home;
};
