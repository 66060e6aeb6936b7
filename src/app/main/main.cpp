#include <curl/curl.h>
#include <irrlicht.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "base/AppPaths.h"
#include "app/DesktopResolution.h"
#include "base/IniFile.h"
#include "app/ShutdownSignal.h"
#include "app/StartOptions.h"
#include "base/Time.h"
#include "app/main/Context.h"
#include "gui/HeapTuning.h"
#include "app/main/MainLoop.h"

using namespace irr;

namespace {

StartOptions chooseWindow(int argc, char** argv, const std::string& home) {
    StartOptions options = parseCommandLine(argc, argv);
    if (options.source != StartOptions::DESKTOP_CONFIG) return options;
    IniFile desktop(home + "desktopConfig.ini");
    applyDesktopConfig(options, desktop.get("", "fullscreen"), desktop.get("", "mipmaps"), desktop.get("", "driver"));
    const WindowSize screen = queryDesktopResolution();
    const WindowSize window = options.fullscreen ? screen : windowSizeForDesktop(screen.width, screen.height);
    options.width = window.width;
    options.height = window.height;
    return options;
}

IrrlichtDevice* createWindow(const StartOptions& options) {
    SIrrlichtCreationParameters params;
    // This engine build has no OpenGL ES 2 driver; desktop OpenGL draws the
    // same picture.
    if (options.openGLES2) std::printf("OpenGL ES 2 is not available in this engine build; using OpenGL\n");
    params.DriverType = video::EDT_OPENGL;
    params.WindowSize = core::dimension2d<u32>(options.width, options.height);
    params.Bits = 32;
    // Everything is drawn in 2D, in order. Without a depth buffer the
    // software renderer (llvmpipe) takes its fast paths for upright pictures
    // and plain fills.
    params.ZBufferBits = 0;
    params.Fullscreen = options.fullscreen;
    params.Stencilbuffer = false;
    params.Vsync = false;
    params.AntiAlias = 16;
    params.Doublebuffer = true;
    IrrlichtDevice* device = createDeviceEx(params);
    if (!device) {
        // Some virtual displays refuse multisampling; a window without it is
        // far better than no window.
        params.AntiAlias = 0;
        device = createDeviceEx(params);
    }
    if (device) device->setResizable(!options.fullscreen);
    return device;
}

void showShutdownScreen(IrrlichtDevice* device, Context* context) {
    video::IVideoDriver* driver = device->getVideoDriver();
    driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
    gui::IGUIFont* font = device->getGUIEnvironment()->getSkin()->getFont();
    if (font) {
        font->draw(L"Cleaning up, please wait...", driver->getViewPort(), video::SColor(255, 255, 255, 255), true,
                   true);
    }
    driver->endScene();
    (void)context;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string home = getAppHomePathFromArgV0(argv[0]);
    const StartOptions options = chooseWindow(argc, argv, home);
    if (options.source == StartOptions::USAGE) {
        std::printf("%s", usageLine(argv[0]).c_str());
        return 0;
    }

    // Before the driver exists: its per-draw heap blocks must not go back to
    // the kernel after every draw call.
    keepHeapForDrawCalls();
    IrrlichtDevice* device = createWindow(options);
    if (!device) {
        std::fprintf(stderr, "Cirrona: the window could not be created (is a display available?)\n");
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    installShutdownSignalHandlers();
    curl_global_init(CURL_GLOBAL_ALL);

    video::IVideoDriver* driver = device->getVideoDriver();
    driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, options.mipmaps);
    driver->setViewPort(core::rect<s32>(0, 0, options.width, options.height));
    device->setWindowCaption(L"Cirrona");
    device->getLogger()->setLogLevel(ELL_DEBUG);
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    Context* context = new Context(device, argv[0], true);
    runMainLoop(device, *context);

    showShutdownScreen(device, context);
    device->run();
    delete context;
    device->run();
    while (driver->getTextureCount() > 0) driver->removeTexture(driver->getTextureByIndex(0));
    device->run();
    device->run();
    device->closeDevice();
    while (device->run()) delay(1);
    device->drop();
    curl_global_cleanup();
    return 0;
}
