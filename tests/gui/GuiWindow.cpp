#include "GuiWindow.h"

#include <cstdlib>

#include "gui/FrameCapture.h"

using namespace irr;

namespace {
IrrlichtDevice* window = nullptr;

class DropWindow : public ::testing::Environment {
    void TearDown() override {
        if (window) window->drop();
        window = nullptr;
    }
};
const auto* const kDropWindow = ::testing::AddGlobalTestEnvironment(new DropWindow);
}  // namespace

IrrlichtDevice* GuiWindow::sharedDevice() {
    if (!window && std::getenv("DISPLAY")) {
        SIrrlichtCreationParameters p;
        p.DriverType = video::EDT_OPENGL;
        p.WindowSize = core::dimension2d<u32>(kWidth, kHeight);
        p.LoggingLevel = ELL_NONE;
        window = createDeviceEx(p);
    }
    return window;
}

void GuiWindow::SetUp() {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X display: run the suite under xvfb-run";
    device = sharedDevice();
    ASSERT_NE(device, nullptr);
    driver = device->getVideoDriver();
}

video::IImage* GuiWindow::render(const std::function<void()>& draw) {
    device->run();
    driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
    draw();
    video::IImage* image = captureFrame(driver);
    driver->endScene();
    return image;
}

bool GuiWindow::near(video::SColor got, video::SColor expected, int tolerance) {
    return std::abs(int(got.getRed()) - int(expected.getRed())) <= tolerance &&
           std::abs(int(got.getGreen()) - int(expected.getGreen())) <= tolerance &&
           std::abs(int(got.getBlue()) - int(expected.getBlue())) <= tolerance;
}
