#include "gui/FrameCapture.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>

namespace {
// Reads the back buffer of the current OpenGL context into an image.
irr::video::IImage* captureBackBuffer(irr::video::IVideoDriver* driver) {
    const irr::core::dimension2d<irr::u32> size = driver->getScreenSize();
    if (size.Width == 0 || size.Height == 0) return nullptr;
    irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, size);
    if (!image) return nullptr;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    auto* pixels = static_cast<unsigned char*>(image->lock());
    glReadPixels(0, 0, size.Width, size.Height, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
    // OpenGL rows run bottom-up; images run top-down. Screenshots are opaque.
    const size_t pitch = image->getPitch();
    std::string row(pitch, '\0');
    for (irr::u32 y = 0; y < size.Height / 2; ++y) {
        unsigned char* top = pixels + y * pitch;
        unsigned char* bottom = pixels + (size.Height - 1 - y) * pitch;
        std::copy(top, top + pitch, row.begin());
        std::copy(bottom, bottom + pitch, top);
        std::copy(row.begin(), row.end(), bottom);
    }
    for (size_t i = 3; i < pitch * size.Height; i += 4) pixels[i] = 255;
    image->unlock();
    return image;
}
}  // namespace

irr::video::IImage* captureFrame(irr::video::IVideoDriver* driver) {
    if (!driver) return nullptr;
    if (driver->getDriverType() == irr::video::EDT_OPENGL) return captureBackBuffer(driver);
    return driver->createScreenShot();
}
