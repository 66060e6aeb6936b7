#include "app/DesktopResolution.h"

#include <X11/Xlib.h>
#include <irrlicht.h>


namespace {
WindowSize fromEngine() {
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.WindowSize = irr::core::dimension2d<irr::u32>(640, 480);
    params.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* probe = irr::createDeviceEx(params);
    if (!probe) return {};
    WindowSize size;
    if (irr::video::IVideoModeList* modes = probe->getVideoModeList()) {
        const irr::core::dimension2d<irr::u32> desktop = modes->getDesktopResolution();
        if (desktop.Width > 0 && desktop.Height > 0)
            size = WindowSize{static_cast<uint32_t>(desktop.Width), static_cast<uint32_t>(desktop.Height)};
    }
    probe->drop();
    return size;
}

WindowSize fromX11() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    const int screen = DefaultScreen(display);
    WindowSize size{static_cast<uint32_t>(DisplayWidth(display, screen)),
                    static_cast<uint32_t>(DisplayHeight(display, screen))};
    XCloseDisplay(display);
    return size;
}
}  // namespace

WindowSize queryDesktopResolution() {
    WindowSize size = fromEngine();
    if (size.width > 0 && size.height > 0) return size;
    size = fromX11();
    if (size.width > 0 && size.height > 0) return size;
    return WindowSize{1280, 720};
}
