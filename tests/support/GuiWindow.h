#pragma once
// One real OpenGL window for every drawing test of a suite (this engine
// cannot open a second OpenGL window in a process after closing the first),
// dropped after the last test. Run the suite under xvfb-run; it must link
// cirrona_gui.
#include <gtest/gtest.h>
#include <irrlicht.h>

#include <cstdlib>
#include <functional>

#include "gui/FrameCapture.h"

class GuiWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X display: run the suite under xvfb-run";
        if (!window) {
            irr::SIrrlichtCreationParameters p;
            p.DriverType = irr::video::EDT_OPENGL;
            p.WindowSize = irr::core::dimension2d<irr::u32>(800, 480);
            p.LoggingLevel = irr::ELL_NONE;
            window = irr::createDeviceEx(p);
        }
        ASSERT_NE(device = window, nullptr);
        driver = device->getVideoDriver();
        device->getGUIEnvironment()->clear();  // no element or focus left by an earlier test
    }
    // Draws one frame on a black background and returns it as the caller's
    // image (the back buffer, before it is shown).
    irr::video::IImage* render(const std::function<void()>& draw) {
        device->run();
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        draw();
        irr::video::IImage* image = captureFrame(driver);
        driver->endScene();
        return image;
    }
    static bool near(irr::video::SColor got, irr::video::SColor expected, int tolerance = 8) {
        return std::abs(int(got.getRed()) - int(expected.getRed())) <= tolerance &&
               std::abs(int(got.getGreen()) - int(expected.getGreen())) <= tolerance &&
               std::abs(int(got.getBlue()) - int(expected.getBlue())) <= tolerance;
    }

    irr::IrrlichtDevice* device = nullptr;
    irr::video::IVideoDriver* driver = nullptr;
    static inline irr::IrrlichtDevice* window = nullptr;

private:
    struct DropWindow : ::testing::Environment {
        void TearDown() override {
            if (window) window->drop();
            window = nullptr;
        }
    };
    static inline ::testing::Environment* const dropWindow = ::testing::AddGlobalTestEnvironment(new DropWindow);
};
