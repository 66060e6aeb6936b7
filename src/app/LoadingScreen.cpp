#include "app/LoadingScreen.h"

#include <algorithm>

using namespace irr;

LoadingProgressCallback::LoadingProgressCallback(IrrlichtDevice* dev, const std::string& logoPath,
                                                 const std::string& backgroundPath, float stepFraction)
    : device(dev), step(stepFraction) {
    video::IVideoDriver* driver = device->getVideoDriver();
    logo = driver->getTexture(logoPath.c_str());
    background = driver->getTexture(backgroundPath.c_str());
}

LoadingProgressCallback::~LoadingProgressCallback() {
    // The two pictures are needed only at start; give their memory back.
    video::IVideoDriver* driver = device->getVideoDriver();
    if (logo) driver->removeTexture(logo);
    if (background) driver->removeTexture(background);
}

void LoadingProgressCallback::nextStep() {
    progress = std::min(1.0f, progress + step);
    draw();
}

namespace {
// Scales a texture to cover (fill) or fit into the target rectangle, centred.
core::rect<s32> placeImage(const core::dimension2d<u32>& image, const core::rect<s32>& target, bool cover) {
    const float sx = static_cast<float>(target.getWidth()) / image.Width;
    const float sy = static_cast<float>(target.getHeight()) / image.Height;
    const float s = cover ? std::max(sx, sy) : std::min(sx, sy);
    const s32 w = static_cast<s32>(image.Width * s), h = static_cast<s32>(image.Height * s);
    const core::position2d<s32> centre = target.getCenter();
    return core::rect<s32>(centre.X - w / 2, centre.Y - h / 2, centre.X - w / 2 + w, centre.Y - h / 2 + h);
}
}  // namespace

void LoadingProgressCallback::draw(const std::function<void()>& offScreenWork) {
    video::IVideoDriver* driver = device->getVideoDriver();
    device->run();
    const core::dimension2d<u32> screen = driver->getScreenSize();
    const core::rect<s32> full(0, 0, screen.Width, screen.Height);
    driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
    if (offScreenWork) {
        offScreenWork();
        // Whatever the work left on the screen is covered, with or without
        // a background photo.
        driver->draw2DRectangle(video::SColor(255, 0, 0, 0), full);
    }
    if (background) {
        const core::dimension2d<u32> size = background->getOriginalSize();
        driver->draw2DImage(background, placeImage(size, full, true), core::rect<s32>(0, 0, size.Width, size.Height),
                            &full);
    }
    if (logo) {
        const core::dimension2d<u32> size = logo->getOriginalSize();
        const core::rect<s32> box(screen.Width / 4, screen.Height / 4, screen.Width * 3 / 4, screen.Height * 5 / 8);
        driver->draw2DImage(logo, placeImage(size, box, false), core::rect<s32>(0, 0, size.Width, size.Height),
                            nullptr, nullptr, true);
    }
    const s32 barHeight = std::max<s32>(6, screen.Height / 60);
    const s32 top = screen.Height * 3 / 4;
    const core::rect<s32> bar(screen.Width / 5, top, screen.Width * 4 / 5, top + barHeight);
    driver->draw2DRectangle(video::SColor(160, 255, 255, 255), bar);
    core::rect<s32> done = bar;
    done.LowerRightCorner.X = bar.UpperLeftCorner.X + static_cast<s32>(bar.getWidth() * progress);
    driver->draw2DRectangle(video::SColor(255, 0, 150, 255), done);
    if (!text.empty()) {
        if (gui::IGUIFont* font = device->getGUIEnvironment()->getBuiltInFont())
            font->draw(text.c_str(), core::rect<s32>(0, bar.LowerRightCorner.Y + barHeight, screen.Width, screen.Height),
                       video::SColor(255, 255, 255, 255), true, false);
    }
    driver->endScene();
}
