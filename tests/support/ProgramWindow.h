#pragma once
// The running program's window as another X client sees it: found by its
// title, read whole, and the panels of the first page located from the
// configuration the program was started with, as the program lays them out. Shared by the program tests
// and the start-up timing tool. Include it after GoogleTest: Xlib's macros
// (None, Bool, ...) clash with its names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/WindowGeometry.h"
#include "base/IniFile.h"
#include "panels/MenuLayout.h"
#include "panels/PanelLayout.h"

inline Window findWindowNamed(Display* display, Window root, const std::string& prefix) {
    Window rootReturn, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::string(name).rfind(prefix, 0) == 0) found = children[i];
            XFree(name);
        }
        if (!found) found = findWindowNamed(display, children[i], prefix);
    }
    if (children) XFree(children);
    return found;
}

// The pixel as 0xRRGGBB (24-bit visuals), or -1 when it cannot be read.
inline long windowPixel(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return -1;
    const long rgb = static_cast<long>(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return rgb;
}

// The whole window at once, as 0xRRGGBB row by row; reading pixel by pixel
// over the X connection would take seconds for a screen.
struct WindowImage {
    int width = 0, height = 0;
    std::vector<long> pixels;
    long at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};
inline WindowImage captureWindow(Display* display, Window window) {
    WindowImage out;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return out;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) return out;
    out.width = attributes.width;
    out.height = attributes.height;
    out.pixels.resize(size_t(out.width) * out.height);
    // 32 bits per pixel on the 24-bit visuals Xvfb gives: read the rows
    // directly, pixel calls would take a good part of a second per screen.
    const bool direct = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image->data + size_t(y) * image->bytes_per_line);
        for (int x = 0; x < out.width; ++x)
            out.pixels[size_t(y) * out.width + x] = long((direct ? row[x] : XGetPixel(image, x, y)) & 0xFFFFFF);
    }
    XDestroyImage(image);
    return out;
}

// Each channel within `tolerance` steps of the colour: the screen shows a
// filtered picture.
inline bool nearColour(long pixel, uint32_t rgb, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((pixel >> shift) & 0xFF) - int((rgb >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

template <class Test>
int countIn(const WindowImage& image, const PixelBox& box, Test test) {
    int count = 0;
    for (int y = box.top; y < box.bottom && y < image.height; ++y)
        for (int x = box.left; x < box.right && x < image.width; ++x) count += test(image.at(x, y)) ? 1 : 0;
    return count;
}

// Where the first panel of a kind sits on the first landscape page of a
// window of that size, placed by the program's own layout functions: in the
// band the menu leaves, which it sizes from the screen. Empty when the page
// has none.
inline PixelBox firstPagePanelBox(const IniFile& config, int kind, int width, int height) {
    const ScreenDependentParams screen = calcScreenDependentParams(width, height);
    const MenuBandLayout band = layoutMenuBand(width, height, screen.buttonWidth, screen.buttonHeight);
    const PanelArea area{width, band.panelTop, band.panelHeight};
    const int panelCount = std::atoi(config.get("", "PanelCount").c_str());
    for (const PanelPlacement& p : readPanelLayout(config, panelCount, false, 21).placements) {
        if (p.factoryIndex != kind || p.page != 0) continue;
        const irr::core::rect<int> r = panelRectangle(p, area);
        return {r.UpperLeftCorner.X, r.UpperLeftCorner.Y, r.LowerRightCorner.X, r.LowerRightCorner.Y};
    }
    return {};
}

// Starts a demo script (scripts/run or scripts/demo) at 1280x720 with the
// built tree, its home at `home` (ending in "/") and its simulator on `port`;
// the script's output goes to home/demo.txt. Returns the script's process.
inline pid_t startDemo(const std::string& script, const std::string& home, const char* port) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int fd = open((home + "demo.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 1);
    dup2(fd, 2);
    setenv("CIRRONA_BUILD_DIR", CIRRONA_BINARY_DIR, 1);
    setenv("CIRRONA_DEMO_HOME", home.c_str(), 1);
    setenv("CIRRONA_DEMO_PORT", port, 1);
    execl(script.c_str(), script.c_str(), "1280", "720", nullptr);
    _exit(127);
}
