#include "app/WindowGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(WindowSizeForDesktop, SixteenByNineInNinetyPercentOfTheLimitingSide) {
    const std::pair<WindowSize, WindowSize> cases[] = {
        {{1920, 1080}, {1728, 972}}, {{1280, 1024}, {1152, 648}},
        {{1080, 1920}, {972, 546}},  {{3440, 1440}, {2304, 1296}},  // portrait and ultra-wide
    };
    for (const auto& [desktop, window] : cases)
        EXPECT_EQ(windowSizeForDesktop(desktop.width, desktop.height), window) << desktop.width << "x" << desktop.height;
}

TEST(ScreenDependentParams, ScaleWithTheSquareRootOfTheArea) {
    ScreenDependentParams p = calcScreenDependentParams(800, 480);
    EXPECT_EQ(p.area, 384000u);
    // sqrt(384000) = 619.677...; 0.12649 * d = 78.38; 0.049410625 * d = 30.62; 0.37947 * d = 235.15
    EXPECT_EQ(std::make_tuple(p.buttonWidth, p.buttonHeight, p.thirdLength), std::make_tuple(78, 31, 235));
    EXPECT_FALSE(p.portrait || calcScreenDependentParams(600, 600).portrait);
    EXPECT_TRUE(calcScreenDependentParams(480, 800).portrait);
}
