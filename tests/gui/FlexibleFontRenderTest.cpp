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

TEST_F(FontWindow, TextIsDrawnInsideItsMeasuredBox) {
    FlexibleFont* font = fonts->getFont(kRoboto, 32);
    ASSERT_NE(font, nullptr);
    const core::dimension2d<u32> size = font->getDimension(L"Cirrona");
    EXPECT_GT(size.Width, 60u);
    EXPECT_LT(size.Width, 200u);
    EXPECT_GE(size.Height, 32u);

    video::IImage* image = render([&] {
        font->draw(L"Cirrona", core::rect<s32>(10, 10, 310, 110), video::SColor(255, 255, 255, 255));
    });
    ASSERT_NE(image, nullptr);
    const core::rect<s32> box(10, 10, 10 + size.Width, 10 + size.Height);
    const int inside = countBright(image, box);
    const int total = countBright(image, core::rect<s32>(0, 0, 320, 120));
    image->drop();
    EXPECT_GT(inside, 100);         // the glyphs are there
    EXPECT_EQ(inside, total);       // and nowhere else
}

TEST_F(FontWindow, CentringPutsTheTextInTheMiddle) {
    FlexibleFont* font = fonts->getFont(kRoboto, 24);
    ASSERT_NE(font, nullptr);
    video::IImage* image = render([&] {
        font->draw(L"OK", core::rect<s32>(0, 0, 320, 120), video::SColor(255, 255, 255, 255), true, true);
    });
    ASSERT_NE(image, nullptr);
    const int left = countBright(image, core::rect<s32>(0, 0, 130, 120));
    const int middle = countBright(image, core::rect<s32>(130, 30, 190, 90));
    const int right = countBright(image, core::rect<s32>(190, 0, 320, 120));
    image->drop();
    EXPECT_GT(middle, 20);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
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
