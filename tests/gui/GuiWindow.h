#pragma once
// One real OpenGL window for every drawing test of the suite (this engine
// cannot open a second OpenGL window in a process after closing the first).
// Run the suite under xvfb-run.
#include <irrlicht.h>

#include <gtest/gtest.h>

#include <functional>

class GuiWindow : public ::testing::Test {
public:
    static constexpr irr::u32 kWidth = 800, kHeight = 480;
    // Created on first use, dropped after the last test.
    static irr::IrrlichtDevice* sharedDevice();

protected:
    void SetUp() override;
    // Draws one frame on a black background and returns it as the caller's
    // image (the back buffer, before it is shown).
    irr::video::IImage* render(const std::function<void()>& draw);
    static bool near(irr::video::SColor got, irr::video::SColor expected, int tolerance = 8);

    irr::IrrlichtDevice* device = nullptr;
    irr::video::IVideoDriver* driver = nullptr;
};
