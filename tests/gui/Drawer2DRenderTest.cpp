// Draws each kind of shape in a real OpenGL window and reads the colours at
// points the geometry puts inside, outside and beyond the clip.
#include "gui/Drawer2D.h"
#include "gui/MaterialManager.h"
#include "GuiWindow.h"

using namespace irr;

namespace {
const video::SColor kBlack(255, 0, 0, 0), kRed(255, 255, 0, 0), kBlue(255, 0, 0, 255), kGreen(255, 0, 255, 0),
    kWhite(255, 255, 255, 255);

class Drawer2DWindow : public GuiWindow {
protected:
    void expectColours(const std::function<void(Drawer2D&)>& draw,
                       const std::vector<std::pair<core::position2d<s32>, video::SColor>>& expected) {
        Drawer2D drawer(device);
        video::IImage* image = render([&] { draw(drawer); });
        ASSERT_NE(image, nullptr);
        for (const auto& [at, colour] : expected) {
            const video::SColor got = image->getPixel(at.X, at.Y);
            EXPECT_TRUE(near(got, colour)) << "at " << at.X << "," << at.Y << " got " << got.getRed() << ","
                                           << got.getGreen() << "," << got.getBlue();
        }
        image->drop();
    }
    // A 16x16 texture painted by colourAt(x, y).
    video::ITexture* paint(const char* name, const std::function<video::SColor(u32, u32)>& colourAt) {
        video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2d<u32>(16, 16));
        for (u32 y = 0; y < 16; ++y)
            for (u32 x = 0; x < 16; ++x) image->setPixel(x, y, colourAt(x, y));
        video::ITexture* texture = driver->addTexture(name, image);
        image->drop();
        return texture;
    }
};
}  // namespace

TEST_F(Drawer2DWindow, TextureTurnsCounterClockwiseAboutItsMiddleAndKeepsItsTransparency) {
    // Left half red, right half blue, the bottom quarter transparent.
    video::ITexture* texture = paint("halves", [](u32 x, u32 y) {
        return y >= 12 ? video::SColor(0, 0, 0, 0) : x < 8 ? kRed : kBlue;
    });
    // Turned by +90 degrees the red half faces down, the blue half up and the
    // transparent strip (the texture's bottom) lies on the right. Clockwise
    // by 90 (as a needle passes its angle): red up, blue down.
    expectColours(
        [&](Drawer2D& d) {
            d.draw(texture, {100, 100}, {80, 80}, 90);
            d.draw(texture, {300, 100}, {80, 80}, -90);
        },
        {{{130, 170}, kRed},
         {{130, 110}, kBlue},
         {{175, 140}, kBlack},
         {{105, 140}, kRed},  //
         {{325, 110}, kRed},
         {{325, 170}, kBlue},
         {{305, 140}, kBlack}});
    driver->removeTexture(texture);
}

TEST_F(Drawer2DWindow, LinesPolygonsArcsAndCirclesCoverTheirPixels) {
    expectColours(
        [](Drawer2D& d) {
            d.drawLine({300, 50}, {500, 50}, 10, kGreen);
            d.fillPolygon({{10, 200}, {110, 200}, {110, 240}, {50, 240}, {50, 300}, {10, 300}}, kRed);
            d.drawArc({400, 300}, 60, 8, 0, 90, kBlue);
            d.fillCircle({650, 300}, 50, kWhite);
            d.drawCircle({650, 300}, 80, 6, kGreen);
        },
        {{{400, 53}, kGreen},
         {{400, 60}, kBlack},  // line of width 10
         {{30, 280}, kRed},
         {{100, 210}, kRed},
         {{90, 280}, kBlack},  // L shape and its notch
         {{442, 258}, kBlue},
         {{400, 360}, kBlack},
         {{400, 300}, kBlack},  // arc of the upper right quarter
         {{650, 300}, kWhite},
         {{650, 255}, kWhite},
         {{730, 300}, kGreen},
         {{650, 375}, kBlack}});
}

TEST_F(Drawer2DWindow, ShapesStayInsideTheClipAndVertexAlphaBlends) {
    const core::rect<s32> current(0, 0, 400, 480), perCall(200, 100, 600, 300);
    expectColours(
        [&](Drawer2D& d) {
            d.setClipRect(&current);
            d.fillPolygon({{100, 50}, {700, 50}, {700, 400}, {100, 400}}, kRed, &perCall);
            d.setClipRect(nullptr);
            d.fillCircle({600, 420}, 30, video::SColor(128, 255, 255, 255));
        },
        {{{300, 200}, kRed},
         {{150, 200}, kBlack},  // left of the call's clip
         {{500, 200}, kBlack},  // right of the current clip
         {{300, 350}, kBlack},  // below both
         {{600, 420}, video::SColor(255, 128, 128, 128)}});
}

TEST_F(Drawer2DWindow, FadingTextureMultipliesItsAlphaByTheColoursOnce) {
    const MaterialManager first(driver), second(driver);
    EXPECT_EQ(first.getVertexAndTextureColorMaterial(), second.getVertexAndTextureColorMaterial());
    EXPECT_GE(first.getVertexAndTextureColorMaterial(), video::EMT_ONETEXTURE_BLEND + 1);
    // White, the right half transparent; drawn half faded in red.
    video::ITexture* texture =
        paint("fading", [](u32 x, u32) { return x < 8 ? kWhite : video::SColor(0, 255, 255, 255); });
    expectColours(
        [&](Drawer2D& d) {
            first.configure(d);
            d.draw(texture, {100, 100}, {80, 80}, 0, {0.5f, 0.5f}, video::SColor(128, 255, 0, 0));
            d.draw(texture, {300, 100}, {80, 80}, 180, {0.5f, 0.5f}, video::SColor(255, 0, 255, 0));
        },
        {{{120, 140}, video::SColor(255, 128, 0, 0)},
         {{160, 140}, kBlack},  // faded, transparent half
         {{360, 140}, kGreen},
         {{320, 140}, kBlack}});  // opaque, turned half round
    driver->removeTexture(texture);
}
