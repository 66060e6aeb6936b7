#pragma once
#include "chart/files/AreaTree.h"
#include "geo/ChartPosition.h"

#include <memory>
#include <vector>

class IChartElement;

// The fixed world-wide area tree. Its shape never changes, so area numbers
// are stable across runs and appear in the chart files. The root (number 0)
// spans longitude 0-360 and latitude 90 to -90; each level splits its parent
// into an equal grid (longitude 5, 3, 3, 2, 2, 2, 2; latitude 5, 3, 3, 2, 2,
// 2, 1), down to 0.5 x 0.5 degree leaves. Children are numbered depth-first
// in pre-order, west to east in the outer loop and north to south in the
// inner one.
class WorldWideAreaTree {
public:
    static constexpr int AREA_COUNT = 431576;
    static constexpr int LAST_AREA = AREA_COUNT - 1;
    static constexpr int LEAF_COLUMNS = 720;
    static constexpr int LEAF_ROWS = 360;
    static constexpr double LEAF_SIZE_DEG = 0.5;

    WorldWideAreaTree();
    ~WorldWideAreaTree();
    // Areas point into the tree's own arrays.
    WorldWideAreaTree(const WorldWideAreaTree&) = delete;
    WorldWideAreaTree& operator=(const WorldWideAreaTree&) = delete;

    // Builds the empty tree (also done by the constructor); forgets every
    // element.
    void createWorldWideAreaTree();

    // Null above the last area number or below 0.
    IArea* getArea(int number) const;
    // Null when the number is not a leaf.
    AreaLeaf* getLeaf(int number) const;
    // The leaf whose cell holds the position (west and north edges inclusive).
    int getLeafAt(ChartPosition position) const;

    // Areas that cover the rectangle, coarse for large views and fine for
    // small ones: a node is descended only while its own area in square
    // degrees exceeds factor times the rectangle's. Corners are normalised; a
    // rectangle crossing the 0/360 meridian is queried on both sides.
    std::vector<int> getBestFittingAreaList(ChartPosition northWest, ChartPosition southEast, double factor) const;
    // Every leaf overlapping the rectangle.
    std::vector<int> getOverlappingLeafes(ChartPosition northWest, ChartPosition southEast) const;
    // Every leaf below the given areas (a leaf stands for itself).
    std::vector<int> getLeafesFromAreaList(const std::vector<int>& areas) const;

    // Puts the element into every leaf below `area` that one of its
    // area-defining points, or a sample point every 10 km along its edges,
    // lies in.
    void updateAreaTree(int area, const IChartElement* element, int32_t identifier);
    // Same, with the points already normalised and sampled.
    void updateAreaTree(int area, const std::vector<ChartPosition>& points, int32_t identifier,
                        const char* staticData);
    // Removes the identifier from every leaf.
    void deleteElementFromAreaTree(int32_t identifier);
    // Empties every leaf, keeping the shape.
    void clearElements();

private:
    struct QueryRectangle {
        double west, east, south, north;
    };
    void collectBestFitting(int number, const QueryRectangle& query, double threshold,
                            std::vector<int>& result) const;
    void collectLeafes(int number, std::vector<int>& result) const;
    void insertIntoTouchedLeafes(int number, const std::vector<ChartPosition>& points, int32_t identifier,
                                 const char* staticData);
    static std::vector<QueryRectangle> normaliseQuery(ChartPosition northWest, ChartPosition southEast);

    // The areas live in two arrays of their own kinds (one allocation each
    // instead of one per area); `areas` indexes them by number.
    std::vector<AreaNode> nodes;
    std::vector<AreaLeaf> leaves;
    std::vector<IArea*> areas;
    // Leaf number per half-degree cell, column-major (column * LEAF_ROWS + row).
    std::vector<int> leafGrid;
};

// Normalised area-defining points of an element plus samples along its edges.
std::vector<ChartPosition> collectAreaTreeSamplePoints(const IChartElement* element);
