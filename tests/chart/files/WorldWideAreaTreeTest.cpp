#include "chart/files/WorldWideAreaTree.h"

#include "FakeChartElement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

// Built once: the tree has over 400000 areas.
const WorldWideAreaTree& sharedTree() {
    static WorldWideAreaTree tree;
    return tree;
}

// West, north, east and south edge (all multiples of half a degree: exact).
std::array<double, 4> corners(const IArea* area) {
    return {area->getNWEdge().longitude, area->getNWEdge().latitude, area->getSEEdge().longitude,
            area->getSEEdge().latitude};
}

std::vector<int> sortedUnique(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

double areaWidth(const IArea* area) {
    return area->getSEEdge().longitude - area->getNWEdge().longitude;
}

TEST(WorldWideAreaTreeTest, PreOrderNumbering) {
    const WorldWideAreaTree& tree = sharedTree();
    // Each of the 25 top-level areas holds (431576 - 1) / 25 areas.
    const int kTopLevelSubtree = 17263;
    const struct {
        int number;
        std::array<double, 4> corners;
    } areas[] = {
        {0, {0, 90, 360, -90}}, {1, {0, 90, 72, 54}}, {5, {0, 90, 2, 89}}, {6, {0, 90, 1, 89.5}},
        {7, {0, 90, 0.5, 89.5}},    // the first leaf
        {8, {0.5, 90, 1, 89.5}},    // area 6 has two leaves, west then east
        {9, {0, 89.5, 1, 89}},      // then area 5's second child: latitude is the inner loop
        {1 + kTopLevelSubtree, {0, 54, 72, 18}},  // siblings follow whole subtrees
        {1 + 5 * kTopLevelSubtree, {72, 90, 144, 54}},
        {1 + 24 * kTopLevelSubtree, {288, -54, 360, -90}},
        {431575, {359.5, -89.5, 360, -90}},  // the last area
    };
    for (const auto& a : areas) {
        ASSERT_NE(tree.getArea(a.number), nullptr) << a.number;
        EXPECT_EQ(corners(tree.getArea(a.number)), a.corners) << a.number;
    }
    EXPECT_EQ(std::make_pair(tree.getArea(0)->getParentIndex(), tree.getArea(7)->getParentIndex()), std::make_pair(-1, 6));
    EXPECT_TRUE(tree.getArea(7)->isLeaf() && tree.getArea(431575)->isLeaf() && !tree.getArea(6)->isLeaf());
    EXPECT_TRUE(!tree.getArea(431576) && !tree.getArea(-1) && !tree.getLeaf(6) && tree.getLeaf(7));
}

TEST(WorldWideAreaTreeTest, PositionOnTheEastEdgeBelongsToBothNeighbours) {
    const WorldWideAreaTree& tree = sharedTree();
    const IArea* leaf = tree.getArea(7);
    const IArea* eastern = tree.getArea(tree.getLeafAt(ChartPosition(0.7, 89.7)));
    EXPECT_EQ(corners(eastern), (std::array<double, 4>{0.5, 90, 1, 89.5}));
    EXPECT_TRUE(eastern->isInside(ChartPosition(0.5, 89.7)));
    // The east and south edges and their tolerance.
    const std::pair<ChartPosition, bool> edges[] = {{{0.5, 89.7}, true},     {{0.50009, 89.7}, true},
                                                    {{0.5002, 89.7}, false}, {{0.2, 89.49991}, true},
                                                    {{0.2, 89.4998}, false}};
    for (const auto& [position, inside] : edges) EXPECT_EQ(leaf->isInside(position), inside) << position.longitude;
}

TEST(WorldWideAreaTreeTest, PolesBelongToTheFirstAndLastLeaf) {
    const WorldWideAreaTree& tree = sharedTree();
    EXPECT_EQ(tree.getLeafAt(ChartPosition(0, 90)), 7);
    EXPECT_EQ(tree.getLeafAt(ChartPosition(359.9, -90)), 431575);
}

TEST(WorldWideAreaTreeTest, SmallViewGivesFineAreas) {
    const WorldWideAreaTree& tree = sharedTree();
    std::vector<int> areas = tree.getBestFittingAreaList(ChartPosition(10, 42), ChartPosition(12, 40), 1.0);
    // Nodes of 2 x 1 degrees are no larger than the 4 square degree view.
    ASSERT_EQ(areas.size(), 2u);
    for (int number : areas)
        EXPECT_EQ(std::make_pair(corners(tree.getArea(number))[0], areaWidth(tree.getArea(number))), std::make_pair(10.0, 2.0));
    std::vector<int> leaves = tree.getLeafesFromAreaList(areas);
    EXPECT_EQ(sortedUnique(leaves),
              sortedUnique(tree.getOverlappingLeafes(ChartPosition(10, 42), ChartPosition(12, 40))));
    EXPECT_EQ(leaves.size(), 16u);
    // A point on a corner touches the four leaves around it.
    EXPECT_EQ(tree.getOverlappingLeafes(ChartPosition(10, 40), ChartPosition(10, 40)).size(), 4u);
}

TEST(WorldWideAreaTreeTest, LargeViewGivesCoarseAreas) {
    const WorldWideAreaTree& tree = sharedTree();
    std::vector<int> areas = tree.getBestFittingAreaList(ChartPosition(0.5, 60), ChartPosition(100, 1), 1.0);
    ASSERT_FALSE(areas.empty());
    for (int number : areas)
        EXPECT_GE(areaWidth(tree.getArea(number)), 24.0) << number;
    const std::vector<int> covered = sortedUnique(tree.getLeafesFromAreaList(areas));
    const std::vector<int> needed = sortedUnique(tree.getOverlappingLeafes(ChartPosition(0.5, 60), ChartPosition(100, 1)));
    EXPECT_TRUE(std::includes(covered.begin(), covered.end(), needed.begin(), needed.end()));
}

TEST(WorldWideAreaTreeTest, ViewAcrossTheMeridianIsSplit) {
    const WorldWideAreaTree& tree = sharedTree();
    std::vector<int> areas = tree.getBestFittingAreaList(ChartPosition(359, 51), ChartPosition(1, 50), 1.0);
    bool west = false, east = false;
    for (int number : areas) {
        west |= tree.getArea(number)->getNWEdge().longitude >= 358;
        east |= tree.getArea(number)->getSEEdge().longitude <= 2;
    }
    EXPECT_TRUE(west && east);
    std::vector<int> leaves = sortedUnique(tree.getLeafesFromAreaList(areas));
    std::vector<int> expected = sortedUnique(tree.getOverlappingLeafes(ChartPosition(-1, 51), ChartPosition(1, 50)));
    EXPECT_EQ(expected.size(), 8u);
    EXPECT_EQ(leaves, expected);
    EXPECT_EQ(sortedUnique(tree.getOverlappingLeafes(ChartPosition(359, 51), ChartPosition(361, 50))), expected);
}

TEST(WorldWideAreaTreeTest, LongEdgesAreSampledShortAndHugeOnesNot) {
    WorldWideAreaTree tree;
    auto empty = [&](double lon, double lat) { return tree.getLeaf(tree.getLeafAt(ChartPosition(lon, lat)))->elements.empty(); };
    FakeChartElement line({ChartPosition(10.2, 45.2), ChartPosition(12.2, 45.2)});
    tree.updateAreaTree(0, &line, 42);
    for (double lon = 10.25; lon < 12.2; lon += 0.5) {
        const AreaLeaf* leaf = tree.getLeaf(tree.getLeafAt(ChartPosition(lon, 45.2)));
        ASSERT_EQ(leaf->elements, std::vector<int32_t>{42}) << lon;
        EXPECT_EQ(leaf->staticData, (std::vector<char>{0, 0x5A, 0x0F}));
    }
    EXPECT_TRUE(empty(12.7, 45.2));
    FakeChartElement huge({ChartPosition(0.2, 0.2), ChartPosition(50.2, 0.2)});
    tree.updateAreaTree(0, &huge, 43);
    int touched = 0;
    for (int lon = 0; lon < 52; lon++)
        touched += !empty(lon + 0.2, 0.2);
    EXPECT_EQ(touched, 2);
    // A closed polygon: the edge from the last point back to the first is sampled too.
    FakeChartElement triangle({ChartPosition(-1.8, 20.2), ChartPosition(-1.8, 23.2), ChartPosition(2.2, 20.2)});
    tree.updateAreaTree(0, &triangle, -3);
    EXPECT_FALSE(empty(0.2, 20.2) || empty(359.7, 20.2) || empty(-1.8, 22.7));
    EXPECT_TRUE(empty(-1.25, 20.75)) << "inside the polygon but away from its edges";
    tree.deleteElementFromAreaTree(42);
    EXPECT_TRUE(empty(11.2, 45.2));
}

TEST(WorldWideAreaTreeTest, DeletingKeepsStaticDataInStep) {
    WorldWideAreaTree tree;
    AreaLeaf* leaf = tree.getLeaf(7);
    const char first[3] = {1, 2, 3}, second[3] = {4, 5, 6}, third[3] = {7, 8, 9};
    leaf->addElement(1, first);
    leaf->addElement(2, second);
    leaf->addElement(1, first);
    leaf->addElement(3, third);
    tree.deleteElementFromAreaTree(1);
    EXPECT_EQ(leaf->elements, (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(leaf->staticData, (std::vector<char>{4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(leaf->removeElement(1));
}

}  // namespace
