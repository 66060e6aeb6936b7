#pragma once
#include <cstdint>

// Pure screen arithmetic used at start-up and whenever the window changes
// size. Kept away from the engine so it can be checked exactly.

struct WindowSize {
    uint32_t width = 0;
    uint32_t height = 0;
    bool operator==(const WindowSize& o) const { return width == o.width && height == o.height; }
    bool operator!=(const WindowSize& o) const { return !(*this == o); }
};

// The windowed size for a desktop: the largest centred 16:9 rectangle inside
// 90 % of the desktop.
WindowSize windowSizeForDesktop(uint32_t desktopWidth, uint32_t desktopHeight);

// Lengths that scale with the screen so buttons stay finger-sized on any
// display. Derived from the diagonal-like measure sqrt(width * height).
struct ScreenDependentParams {
    uint32_t area = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int thirdLength = 0;  // a wide element: about three buttons
    bool portrait = false;
};

ScreenDependentParams calcScreenDependentParams(uint32_t width, uint32_t height);
