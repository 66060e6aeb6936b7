// Images written by the engine's own PNG and JPEG writers are decoded on the
// loader's worker and turned into textures of a real OpenGL driver.
#include "gui/ConcurrentImageLoader.h"

#include <fstream>
#include <iterator>
#include <map>

#include "support/GuiWindow.h"
#include "support/Eventually.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
class ImageLoaderWindow : public GuiWindow {
protected:
    // A 3x2 picture: red, green, transparent blue / white, black, half grey.
    std::string write(const std::string& name, u32 width = 3) {
        video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2d<u32>(width, 2));
        image->fill(video::SColor(255, 128, 128, 128));
        const video::SColor row[6] = {{255, 255, 0, 0},     {255, 0, 255, 0}, {0, 0, 0, 255},
                                      {255, 255, 255, 255}, {255, 0, 0, 0},   {128, 100, 100, 100}};
        for (u32 i = 0; i < 6 && width == 3; ++i) image->setPixel(i % 3, i / 3, row[i]);
        const std::string path = dir / name;
        EXPECT_TRUE(driver->writeImageToFile(image, path.c_str()));
        image->drop();
        return path;
    }
    TempDir dir;
};

u32 pixelAt(const DecodedImage& image, unsigned x, unsigned y) {
    const uint8_t* p = &image.pixels[(y * image.width + x) * 4];
    return video::SColor(p[3], p[2], p[1], p[0]).color;
}
}  // namespace

TEST_F(ImageLoaderWindow, DecodesPngExactlyJpegClosely) {
    const DecodedImage png = decodeImageFile(write("a.png"));
    ASSERT_EQ(png.width * png.height, 6u);
    EXPECT_EQ(pixelAt(png, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(png, 2, 0) >> 24, 0u);  // transparent stays transparent
    EXPECT_EQ(pixelAt(png, 2, 1), 0x80646464u);

    const DecodedImage jpeg = decodeImageFile(write("b.jpg", 16));  // all grey, opaque
    EXPECT_TRUE(jpeg.isValid() && near(video::SColor(pixelAt(jpeg, 8, 1)), video::SColor(255, 128, 128, 128), 3));
    EXPECT_EQ(pixelAt(jpeg, 8, 1) >> 24, 255u);

    std::ofstream(dir / "junk.png") << "not an image at all";
    std::ifstream whole(dir / "a.png", std::ios::binary);
    const std::string truncated((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    std::ofstream(dir / "cut.png") << truncated.substr(0, truncated.size() / 2);
    for (const char* bad : {"junk.png", "cut.png", "missing.png"})
        EXPECT_FALSE(decodeImageFile(dir / bad).isValid()) << bad;
}

TEST_F(ImageLoaderWindow, TexturesArriveOnTheMainThreadExceptCancelledOnes) {
    const std::string png = write("c.png"), jpeg = write("d.jpg", 16);
    ConcurrentImageLoader loader(driver);
    std::map<std::string, video::ITexture*> delivered;
    auto into = [&](const std::string& key) { return [&delivered, key](video::ITexture* t) { delivered[key] = t; }; };
    loader.load(png, into("png"));
    const int cancelled = loader.load(jpeg, into("cancelled"));
    loader.load(jpeg, into("jpeg"));
    loader.load(dir / "missing.jpg", into("missing"));
    loader.load(png, into("again"));
    loader.cancel(cancelled);
    EXPECT_TRUE(delivered.empty());  // nothing before update()
    EXPECT_TRUE(eventually([&] {
        loader.update();
        return loader.getPendingCount() == 0;
    }));
    ASSERT_EQ(delivered.size(), 4u);
    EXPECT_EQ(delivered.count("cancelled"), 0u);
    ASSERT_NE(delivered["png"], nullptr);
    EXPECT_EQ(delivered["png"]->getOriginalSize(), core::dimension2d<u32>(3, 2));
    EXPECT_EQ(delivered["again"], delivered["png"]);
    ASSERT_NE(delivered["jpeg"], nullptr);
    EXPECT_EQ(delivered["jpeg"]->getOriginalSize().Width, 16u);
    EXPECT_EQ(delivered["missing"], nullptr);
    driver->removeTexture(delivered["png"]);
    driver->removeTexture(delivered["jpeg"]);
}
