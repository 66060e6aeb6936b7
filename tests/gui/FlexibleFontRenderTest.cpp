// Draws text with the scalable font in a real OpenGL window and looks at the
// pixels: glyphs must land where the layout says, in the colour asked for.
#include "gui/FlexibleFont.h"
#include "support/GuiWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace irr;

namespace {
const std::string kRoboto = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf";

class FontWindow : public GuiWindow {
protected:
    void SetUp() override {
        GuiWindow::SetUp();
        if (!fonts) fonts = std::make_unique<FlexibleFontManager>(driver);
    }
    static void TearDownTestSuite() { fonts.reset(); }

    static int countBright(video::IImage* image, const core::rect<s32>& area) {
        int count = 0;
        for (s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
            for (s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
                if (image->getPixel(x, y).getRed() > 128) ++count;
        return count;
    }

    static std::unique_ptr<FlexibleFontManager> fonts;
};
std::unique_ptr<FlexibleFontManager> FontWindow::fonts;
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

TEST_F(FontWindow, UnreadableFileGivesNoFontAndEachFileAndSizeOneInstance) {
    EXPECT_EQ(fonts->getFont("/nonexistent/font.ttf", 20), nullptr);
    EXPECT_EQ(fonts->getFont(CIRRONA_SOURCE_DIR "/CMakeLists.txt", 20), nullptr);
    FlexibleFont* a = fonts->getFont(kRoboto, 20);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(fonts->getFont(kRoboto, 20), a);
    EXPECT_NE(fonts->getFont(kRoboto, 21), a);
}
