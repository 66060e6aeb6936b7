#include "app/WindowGeometry.h"

#include <gtest/gtest.h>

TEST(WindowSizeForDesktop, FillsNinetyPercentWithSixteenByNine) {
    EXPECT_EQ(windowSizeForDesktop(1920, 1080), (WindowSize{1728, 972}));
    EXPECT_EQ(windowSizeForDesktop(1280, 1024), (WindowSize{1152, 648}));
}

TEST(WindowSizeForDesktop, TallAndWideDesktopsKeepTheLimitingSide) {
    // Portrait: the width limits.
    WindowSize portrait = windowSizeForDesktop(1080, 1920);
    EXPECT_EQ(portrait.width, 972u);
    EXPECT_LE(portrait.height, 1728u);
    // Ultra-wide: the height limits.
    WindowSize wide = windowSizeForDesktop(3440, 1440);
    EXPECT_EQ(wide.height, 1296u);
    EXPECT_EQ(wide.width, 2304u);
}

TEST(ScreenDependentParams, ScaleWithTheSquareRootOfTheArea) {
    ScreenDependentParams p = calcScreenDependentParams(800, 480);
    EXPECT_EQ(p.area, 384000u);
    // sqrt(384000) = 619.677...; 0.12649 * d = 78.38; 0.049410625 * d = 30.62; 0.37947 * d = 235.15
    EXPECT_EQ(p.buttonWidth, 78);
    EXPECT_EQ(p.buttonHeight, 31);
    EXPECT_EQ(p.thirdLength, 235);
    EXPECT_FALSE(p.portrait);
    EXPECT_TRUE(calcScreenDependentParams(480, 800).portrait);
    EXPECT_FALSE(calcScreenDependentParams(600, 600).portrait);
}
