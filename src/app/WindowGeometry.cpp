#include "app/WindowGeometry.h"

#include <cmath>

WindowSize windowSizeForDesktop(uint32_t desktopWidth, uint32_t desktopHeight) {
    const uint64_t boxWidth = desktopWidth * 9ull / 10;
    const uint64_t boxHeight = desktopHeight * 9ull / 10;
    // Compare in integers: 16:9 boxes such as 1728 x 972 are exact and a
    // floating-point ratio would put them on the wrong side of the test.
    double halfWidth, halfHeight;
    if (boxWidth * 9 >= boxHeight * 16) {
        halfHeight = boxHeight / 2.0;
        halfWidth = (boxHeight * 16) / 9.0 / 2.0;
    } else {
        halfWidth = boxWidth / 2.0;
        halfHeight = (boxWidth * 9) / 16.0 / 2.0;
    }
    // Half extents are truncated, as the fitted rectangle is integral.
    return WindowSize{2u * static_cast<uint32_t>(halfWidth), 2u * static_cast<uint32_t>(halfHeight)};
}

ScreenDependentParams calcScreenDependentParams(uint32_t width, uint32_t height) {
    ScreenDependentParams p;
    p.area = width * height;
    const double d = std::sqrt(static_cast<double>(p.area));
    // std::lround rounds halves away from zero.
    p.buttonWidth = static_cast<int>(std::lround(0.12649 * d));
    p.buttonHeight = static_cast<int>(std::lround(0.049410625 * d));
    p.thirdLength = static_cast<int>(std::lround(0.37947 * d));
    p.portrait = height > width;
    return p;
}
