#include "chart/files/ChartBackground.h"
#include "chart/files/ExtendedChart.h"
#include "chart/files/WorldWideAreaTree.h"

#include "ChartTestData.h"
#include "chart/files/ChartFileIO.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(ChartBackgroundTest, ParsesADescription) {
    BackgroundDescription description;
    std::string error;
    ASSERT_TRUE(parseBackgroundDescription("Salish VFR\r\nPlaceholder\r\nvfr\r\n1\r\n7\r\n431575\r\nPlaceholder\r\n\r\n",
                                           description, error))
        << error;
    EXPECT_EQ(description.name, "Salish VFR");
    EXPECT_EQ(description.kind, IArea::BG_VFR);
    EXPECT_TRUE(description.flag);
    EXPECT_EQ(description.areas, (std::vector<int>{7, 431575}));
    EXPECT_FALSE(parseBackgroundDescription("Name\nPlaceholder\nvfr\n1\n431576\nPlaceholder\n", description, error));
}

TEST(ChartBackgroundTest, MipMapLevelsGrowFromTheLeavesUp) {
    WorldWideAreaTree tree;
    ChartBackground backgrounds;
    BackgroundDescription vfr;
    vfr.kind = IArea::BG_VFR;
    vfr.areas = {7, 8, 5};
    vfr.folder = "/charts/";
    backgrounds.addDescription(vfr);
    backgrounds.computeMipMapLevels(tree, {});
    // 7 and 8 give 6; 5 has its own image; above it 4, 3, 2, 1 and the root.
    for (int area : {6, 4, 3, 2, 1, 0})
        EXPECT_TRUE(backgrounds.isComputed(IArea::BG_VFR, area)) << area;
    EXPECT_FALSE(backgrounds.isComputed(IArea::BG_VFR, 5));
    EXPECT_EQ(backgrounds.getComputedCount(IArea::BG_VFR), 6u);
    EXPECT_EQ(backgrounds.getImagePath(IArea::BG_VFR, 8), "/charts/vfr_8.png");
    EXPECT_EQ(backgrounds.getImagePath(IArea::BG_VFR, 6), "");
}

TEST(ChartBackgroundTest, ChartLoadsTheVendorsBackgroundFolder) {
    TempDir root;
    SubChartWriter writer("Open", "Tiny");
    writer.addElement(makeMark("A", 1, 1));
    writeSubChart(writer, chartData(root), "tiny");
    ASSERT_TRUE(createFolders(chartData(root) + "Open_Backgrounds"));
    std::ofstream(chartData(root) + "Open_Backgrounds/low.bg") << "Low\nPlaceholder\nifr\n0\n7\nPlaceholder\n";
    std::ofstream(chartData(root) + "Open_Backgrounds/broken.bg") << "Broken\n";
    std::ofstream(chartData(root) + "Common.bg") << "World\nPlaceholder\nvfr\n0\n1\nPlaceholder\n";
    ExtendedChart chart(root.path());
    chart.loadData();
    const ChartBackground& backgrounds = chart.getBackgrounds();
    EXPECT_EQ(backgrounds.getDescriptions().size(), 2u);
    EXPECT_EQ(backgrounds.getImagePath(IArea::BG_IFR_LOW, 7), chartData(root) + "Open_Backgrounds/ifr_7.png");
    EXPECT_TRUE(backgrounds.isComputed(IArea::BG_IFR_LOW, 6));
    EXPECT_EQ(backgrounds.getImagePath(IArea::BG_VFR, 1), chartData(root) + "vfr_1.png");
}

}  // namespace
