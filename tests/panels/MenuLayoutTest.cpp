// The menu band and grid stay on screen and leave the panels a band of their
// own at every size and orientation a pilot uses.
#include "panels/MenuLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using irr::core::rect;

struct Screen {
    int w, h;
};

bool inside(const rect<int>& inner, const rect<int>& outer) {
    return inner.UpperLeftCorner.X >= outer.UpperLeftCorner.X && inner.UpperLeftCorner.Y >= outer.UpperLeftCorner.Y &&
           inner.LowerRightCorner.X <= outer.LowerRightCorner.X && inner.LowerRightCorner.Y <= outer.LowerRightCorner.Y;
}

TEST(MenuLayout, BandControlsFitWithoutOverlapAtEverySize) {
    for (Screen s : {Screen{800, 480}, Screen{480, 800}, Screen{1920, 1080}, Screen{1080, 1920}, Screen{1280, 720}}) {
        const double d = std::sqrt(double(s.w) * s.h);
        const int bw = int(std::lround(0.12649 * d)), bh = int(std::lround(0.049410625 * d));
        const MenuBandLayout l = layoutMenuBand(s.w, s.h, bw, bh);
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        for (const rect<int>& r : {l.menuButton, l.previousPage, l.pageLabel, l.nextPage}) {
            EXPECT_TRUE(inside(r, l.band));
            EXPECT_GT(r.getWidth(), 0);
        }
        EXPECT_LE(l.menuButton.LowerRightCorner.X, l.previousPage.UpperLeftCorner.X);
        EXPECT_EQ(l.previousPage.LowerRightCorner.X, l.pageLabel.UpperLeftCorner.X);
        EXPECT_EQ(l.nextPage.LowerRightCorner.X, s.w);
        EXPECT_EQ(l.panelTop, l.band.LowerRightCorner.Y);
        EXPECT_EQ(l.panelTop + l.panelHeight, s.h);
    }
}

TEST(MenuLayout, GridKeepsButtonsAndPreviewsInsideTheArea) {
    const rect<int> area(0, 40, 800, 480);
    const MenuGridLayout g = layoutMenuGrid(area, 7, 200, 40, 3);
    ASSERT_EQ(g.buttons.size(), 7u);
    ASSERT_EQ(g.previews.size(), 3u);
    for (const rect<int>& b : g.buttons) {
        EXPECT_TRUE(inside(b, area));
        EXPECT_GE(b.getWidth(), 190);
    }
    for (size_t i = 0; i < g.buttons.size(); ++i)
        for (size_t j = i + 1; j < g.buttons.size(); ++j) EXPECT_FALSE(g.buttons[i].isRectCollided(g.buttons[j]));
    for (const rect<int>& p : g.previews) {
        EXPECT_TRUE(inside(p, area));
        EXPECT_GT(p.UpperLeftCorner.Y, g.buttons.back().LowerRightCorner.Y);
        // Thumbnails keep the area's shape.
        EXPECT_NEAR(double(p.getWidth()) / p.getHeight(), 800.0 / 440.0, 0.05);
    }
    EXPECT_TRUE(layoutMenuGrid(area, 0, 200, 40, 2).buttons.empty());
}

}  // namespace
