// The layout arithmetic: which sections make up a screen, their pages and
// pixel rectangles, and page turning.
#include "panels/PanelLayout.h"

#include <gtest/gtest.h>

#include "base/IniFile.h"

namespace {

IniFile iniOf(const std::string& text) {
    IniFile ini;
    ini.setFromString(text);
    return ini;
}

std::string section(int i, int page, const std::string& portrait, int factory = 0, const char* box = "0 0 1 1") {
    double sx, sy, tx, ty;
    sscanf(box, "%lf %lf %lf %lf", &sx, &sy, &tx, &ty);
    return "[P" + std::to_string(i) + "]\nFactoryIndex = " + std::to_string(factory) + "\nPage = " +
           std::to_string(page) + "\nPortrait = " + portrait + "\nViewPortSX = " + std::to_string(sx) +
           "\nViewPortSY = " + std::to_string(sy) + "\nViewPortTX = " + std::to_string(tx) +
           "\nViewPortTY = " + std::to_string(ty) + "\n\n";
}

TEST(PanelLayout, OrientationFilterTreatsEmptyPortraitAsLandscape) {
    const IniFile ini = iniOf(section(0, 0, "") + section(1, 0, "1") + section(2, 1, "0"));
    const PanelLayoutResult landscape = readPanelLayout(ini, 3, false, 21);
    ASSERT_EQ(landscape.placements.size(), 2u);
    EXPECT_EQ(landscape.placements[0].section, "P0");
    EXPECT_EQ(landscape.placements[1].section, "P2");
    EXPECT_EQ(landscape.pageCount, 2);
    const PanelLayoutResult portrait = readPanelLayout(ini, 3, true, 21);
    ASSERT_EQ(portrait.placements.size(), 1u);
    EXPECT_EQ(portrait.placements[0].sectionIndex, 1);
    EXPECT_EQ(portrait.pageCount, 1);
}

TEST(PanelLayout, PageCountCoversGapsAndAnEmptyLayoutHasOnePage) {
    const IniFile ini = iniOf(section(0, 0, "0") + section(1, 2, "0") + section(2, 5, "0"));
    EXPECT_EQ(readPanelLayout(ini, 3, false, 21).pageCount, 6);
    // Only the first PanelCount sections count.
    EXPECT_EQ(readPanelLayout(ini, 2, false, 21).pageCount, 3);
    EXPECT_EQ(readPanelLayout(ini, 3, true, 21).pageCount, 1);
    EXPECT_TRUE(readPanelLayout(IniFile(), 311, false, 21).placements.empty());
}

TEST(PanelLayout, UnknownFactoryIndexIsSkippedWithAReason) {
    const IniFile ini = iniOf(section(0, 0, "0", 21) + section(1, 3, "0", -1) + section(2, 0, "0", 20));
    const PanelLayoutResult r = readPanelLayout(ini, 3, false, 21);
    ASSERT_EQ(r.placements.size(), 1u);
    EXPECT_EQ(r.placements[0].factoryIndex, 20);
    ASSERT_EQ(r.problems.size(), 2u);
    EXPECT_NE(r.problems[0].find("P0"), std::string::npos);
    EXPECT_NE(r.problems[1].find("-1"), std::string::npos);
    // A skipped section adds no page.
    EXPECT_EQ(r.pageCount, 1);
}

TEST(PanelLayout, RectanglesTruncateEveryEdge) {
    PanelPlacement p;
    p.sx = 0.5, p.tx = 1.0, p.sy = 0.0, p.ty = 1.0;
    const irr::core::rect<int> r = panelRectangle(p, {1024, 30, 570});
    EXPECT_EQ(r, irr::core::rect<int>(512, 30, 1024, 600));
    // 0.058 * 1280 = 74.24, 30 + 0.0946782 * 690 = 95.33...
    p.sx = 0.058, p.sy = 0.0, p.tx = 0.14, p.ty = 0.0946782;
    EXPECT_EQ(panelRectangle(p, {1280, 30, 690}), irr::core::rect<int>(74, 30, 179, 95));
}

TEST(PanelLayout, PagesWrapBothWays) {
    EXPECT_EQ(nextPageOf(5, 6), 0);
    EXPECT_EQ(nextPageOf(2, 6), 3);
    EXPECT_EQ(previousPageOf(0, 6), 5);
    EXPECT_EQ(previousPageOf(0, 1), 0);
    EXPECT_EQ(nextPageOf(0, 1), 0);
}

TEST(PanelLayout, DisplaySettings) {
    const PanelDisplaySettings s = readPanelDisplaySettings(
        iniOf("blacklist = TMA Rhein,  CTR Mike ,,x\nterrainDetailLevel = MEDIUM\ndrawFPS = 2\nPanelCount = 311\n"));
    EXPECT_EQ(s.irrelevantAirspaces, (std::set<std::string>{"TMA Rhein", "CTR Mike", "x"}));
    EXPECT_EQ(s.terrainDetailLevel, 1);
    EXPECT_TRUE(s.drawFPS);
    EXPECT_EQ(s.panelCount, 311);
    EXPECT_EQ(s.skinMode, "Dark");
    EXPECT_EQ(readPanelDisplaySettings(iniOf("terrainDetailLevel = high\n")).terrainDetailLevel, 0);
}

}  // namespace
