// Draws each kind of shape in a real OpenGL window and reads the colours at
// points the geometry puts inside, outside and beyond the clip.
#include "gui/Drawer2D.h"
#include "gui/MaterialManager.h"
#include "support/GuiWindow.h"

using namespace irr;

namespace {
const video::SColor kBlack(255, 0, 0, 0), kRed(255, 255, 0, 0), kBlue(255, 0, 0, 255), kGreen(255, 0, 255, 0),
    kWhite(255, 255, 255, 255);

class Drawer2DWindow : public GuiWindow {
protected:
    using Probe = std::pair<core::position2d<s32>, video::SColor>;
    static Probe at(s32 x, s32 y, video::SColor colour) { return {{x, y}, colour}; }
    void expectColours(const std::function<void(Drawer2D&)>& draw, const std::vector<Probe>& expected) {
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
        {at(130, 170, kRed), at(130, 110, kBlue), at(175, 140, kBlack), at(105, 140, kRed), at(325, 110, kRed),
         at(325, 170, kBlue), at(305, 140, kBlack)});
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
        // Line of width 10, L shape and its notch, arc of the upper right quarter, disc and ring.
        {at(400, 53, kGreen), at(400, 60, kBlack), at(30, 280, kRed), at(100, 210, kRed), at(90, 280, kBlack),
         at(442, 258, kBlue), at(400, 360, kBlack), at(400, 300, kBlack), at(650, 300, kWhite), at(650, 255, kWhite),
         at(730, 300, kGreen), at(650, 375, kBlack)});
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
        // Inside both clips; left of the call's, right of the current, below both; half alpha.
        {at(300, 200, kRed), at(150, 200, kBlack), at(500, 200, kBlack), at(300, 350, kBlack),
         at(600, 420, video::SColor(255, 128, 128, 128))});
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
        },
        {at(120, 140, video::SColor(255, 128, 0, 0)), at(160, 140, kBlack)});  // faded half, transparent half
    driver->removeTexture(texture);
}
