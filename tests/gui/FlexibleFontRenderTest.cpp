// Draws text with the scalable font in a real OpenGL window and looks at the
// pixels: glyphs must land where the layout says, in the colour asked for.
#include "gui/FlexibleFont.h"
#include "gui/FrameCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

using namespace irr;

namespace {
const std::string kRoboto = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf";

// One window for the whole suite: this engine cannot open a second OpenGL
// window in a process after closing the first.
class FontWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::getenv("DISPLAY")) return;
        SIrrlichtCreationParameters p;
        p.DriverType = video::EDT_OPENGL;
        p.WindowSize = core::dimension2d<u32>(320, 120);
        p.LoggingLevel = ELL_NONE;
        device = createDeviceEx(p);
        if (device) fonts = new FlexibleFontManager(device->getVideoDriver());
    }
    static void TearDownTestSuite() {
        delete fonts;
        fonts = nullptr;
        if (device) device->drop();
        device = nullptr;
    }
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run the suite under xvfb-run)";
        ASSERT_NE(device, nullptr);
        driver = device->getVideoDriver();
    }

    // Renders one frame and returns it (the back buffer, before it is shown).
    video::IImage* render(const std::function<void()>& draw) {
        device->run();
        driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
        draw();
        video::IImage* image = captureFrame(driver);
        driver->endScene();
        return image;
    }

    static int countBright(video::IImage* image, const core::rect<s32>& area) {
        int count = 0;
        for (s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
            for (s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
                if (image->getPixel(x, y).getRed() > 128) ++count;
        return count;
    }

    static IrrlichtDevice* device;
    static FlexibleFontManager* fonts;
    video::IVideoDriver* driver = nullptr;
};
IrrlichtDevice* FontWindow::device = nullptr;
FlexibleFontManager* FontWindow::fonts = nullptr;
}  // namespace

TEST_F(FontWindow, GlyphsLandOnlyInTheMeasuredOrCentredBox) {
    FlexibleFont* large = fonts->getFont(kRoboto, 32);
    FlexibleFont* small = fonts->getFont(kRoboto, 24);
    ASSERT_TRUE(large && small);
    const core::dimension2d<u32> size = large->getDimension(L"Cirrona");
    EXPECT_GT(size.Width, 60u);
    EXPECT_LT(size.Width, 200u);
    EXPECT_GE(size.Height, 32u);
    const struct {
        FlexibleFont* font;
        const wchar_t* text;
        core::rect<s32> area;
        bool centred;
        core::rect<s32> expected;
        int minimumPixels;
    } cases[] = {
        {large, L"Cirrona", {10, 10, 310, 110}, false, {10, 10, 10 + s32(size.Width), 10 + s32(size.Height)}, 100},
        {small, L"OK", {0, 0, 320, 120}, true, {130, 30, 190, 90}, 20},
    };
    for (const auto& c : cases) {
        video::IImage* image =
            render([&] { c.font->draw(c.text, c.area, video::SColor(255, 255, 255, 255), c.centred, c.centred); });
        ASSERT_NE(image, nullptr);
        const int inside = countBright(image, c.expected);
        const int total = countBright(image, core::rect<s32>(0, 0, 320, 120));
        image->drop();
        EXPECT_GT(inside, c.minimumPixels) << c.text;  // the glyphs are there
        EXPECT_EQ(inside, total) << c.text;            // and nowhere else
    }
}

TEST(FlexibleFontManager, UnreadableFileGivesNoFont) {
    SIrrlichtCreationParameters p;
    p.DriverType = video::EDT_NULL;
    p.LoggingLevel = ELL_NONE;
    IrrlichtDevice* device = createDeviceEx(p);
    ASSERT_NE(device, nullptr);
    {
        FlexibleFontManager fonts(device->getVideoDriver());
        EXPECT_EQ(fonts.getFont("/nonexistent/font.ttf", 20), nullptr);
        EXPECT_EQ(fonts.getFont(CIRRONA_SOURCE_DIR "/CMakeLists.txt", 20), nullptr);
        FlexibleFont* a = fonts.getFont(kRoboto, 20);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(fonts.getFont(kRoboto, 20), a);  // one instance per file and size
        EXPECT_NE(fonts.getFont(kRoboto, 21), a);
    }
    device->drop();
}
