#include "chart/files/WorldWideAreaTree.h"

#include "geo/Angles.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int LEVEL_COUNT = 7;
constexpr int LONGITUDE_DIVISIONS[LEVEL_COUNT] = {5, 3, 3, 2, 2, 2, 2};
constexpr int LATITUDE_DIVISIONS[LEVEL_COUNT] = {5, 3, 3, 2, 2, 2, 1};

// Corners are computed in whole half-degree units so that neighbouring areas
// share exactly the same edge values.
struct UnitRectangle {
    int west, north, width, height;  // north counted southwards from 90N
};

ChartPosition unitsToPosition(int lonUnits, int southwardUnits) {
    return ChartPosition(lonUnits * WorldWideAreaTree::LEAF_SIZE_DEG, 90.0 - southwardUnits * WorldWideAreaTree::LEAF_SIZE_DEG);
}

// Indices of the cells of `size` along one axis that overlap [low, high]; a
// zero-width query takes the cells whose closed extent holds it.
bool cellRange(double low, double high, double size, int count, int& first, int& last) {
    if (high > low) {
        first = static_cast<int>(std::floor(low / size));
        last = static_cast<int>(std::ceil(high / size)) - 1;
    } else {
        first = static_cast<int>(std::ceil(low / size)) - 1;
        last = static_cast<int>(std::floor(low / size));
    }
    first = std::max(first, 0);
    last = std::min(last, count - 1);
    return first <= last;
}

bool axisOverlaps(double areaLow, double areaHigh, double queryLow, double queryHigh) {
    if (queryHigh > queryLow)
        return areaLow < queryHigh && queryLow < areaHigh;
    return areaLow <= queryLow && queryLow <= areaHigh;
}

}  // namespace

WorldWideAreaTree::WorldWideAreaTree() {
    createWorldWideAreaTree();
}

WorldWideAreaTree::~WorldWideAreaTree() = default;

void WorldWideAreaTree::createWorldWideAreaTree() {
    areas.clear();
    areas.reserve(AREA_COUNT);
    nodes.clear();
    nodes.reserve(AREA_COUNT - LEAF_COLUMNS * LEAF_ROWS);
    leaves.clear();
    leaves.reserve(LEAF_COLUMNS * LEAF_ROWS);
    leafGrid.assign(LEAF_COLUMNS * LEAF_ROWS, -1);

    // Explicit recursion: each new area takes the next number and is split
    // at once, before its next sibling (pre-order).
    struct Builder {
        WorldWideAreaTree& tree;
        int create(const UnitRectangle& r, int level, int parent) {
            int number = static_cast<int>(tree.areas.size());
            ChartPosition northWest = unitsToPosition(r.west, r.north);
            ChartPosition southEast = unitsToPosition(r.west + r.width, r.north + r.height);
            if (level == LEVEL_COUNT) {
                tree.leaves.emplace_back(northWest, southEast, parent);
                tree.areas.push_back(&tree.leaves.back());
                tree.leafGrid[static_cast<size_t>(r.west) * LEAF_ROWS + static_cast<size_t>(r.north)] = number;
                return number;
            }
            tree.nodes.emplace_back(northWest, southEast, parent);
            AreaNode* nodePointer = &tree.nodes.back();
            tree.areas.push_back(nodePointer);
            int columns = LONGITUDE_DIVISIONS[level], rows = LATITUDE_DIVISIONS[level];
            int childWidth = r.width / columns, childHeight = r.height / rows;
            nodePointer->children.reserve(static_cast<size_t>(columns * rows));
            for (int column = 0; column < columns; column++) {
                for (int row = 0; row < rows; row++) {
                    UnitRectangle child{r.west + column * childWidth, r.north + row * childHeight, childWidth,
                                        childHeight};
                    nodePointer->children.push_back(create(child, level + 1, number));
                }
            }
            return number;
        }
    };
    Builder builder{*this};
    builder.create(UnitRectangle{0, 0, LEAF_COLUMNS, LEAF_ROWS}, 0, -1);
}

IArea* WorldWideAreaTree::getArea(int number) const {
    if (number < 0 || number >= static_cast<int>(areas.size()))
        return nullptr;
    return areas[static_cast<size_t>(number)];
}

AreaLeaf* WorldWideAreaTree::getLeaf(int number) const {
    IArea* area = getArea(number);
    return (area && area->isLeaf()) ? static_cast<AreaLeaf*>(area) : nullptr;
}

int WorldWideAreaTree::getLeafAt(ChartPosition position) const {
    double longitude = Angle0to360(position.longitude);
    double latitude = Latitudinize(position.latitude);
    int column = std::clamp(static_cast<int>(std::floor(longitude / LEAF_SIZE_DEG)), 0, LEAF_COLUMNS - 1);
    int row = std::clamp(static_cast<int>(std::floor((90.0 - latitude) / LEAF_SIZE_DEG)), 0, LEAF_ROWS - 1);
    return leafGrid[static_cast<size_t>(column) * LEAF_ROWS + static_cast<size_t>(row)];
}

std::vector<WorldWideAreaTree::QueryRectangle> WorldWideAreaTree::normaliseQuery(ChartPosition northWest,
                                                                                  ChartPosition southEast) {
    double west = Angle360(northWest.longitude);
    double east = Angle360(southEast.longitude);
    double north = Latitudinize(northWest.latitude);
    double south = Latitudinize(southEast.latitude);
    if (north < south)
        std::swap(north, south);
    // A view ending exactly on the meridian ends at 360, not at 0.
    if (east == 0.0 && west > 0.0)
        east = 360.0;
    if (west > east)
        return {QueryRectangle{west, 360.0, south, north}, QueryRectangle{0.0, east, south, north}};
    return {QueryRectangle{west, east, south, north}};
}

std::vector<int> WorldWideAreaTree::getBestFittingAreaList(ChartPosition northWest, ChartPosition southEast,
                                                           double factor) const {
    std::vector<int> result;
    for (const QueryRectangle& query : normaliseQuery(northWest, southEast)) {
        double queryArea = std::fabs((query.east - query.west) * (query.north - query.south));
        collectBestFitting(0, query, factor * queryArea, result);
    }
    return result;
}

void WorldWideAreaTree::collectBestFitting(int number, const QueryRectangle& query, double threshold,
                                           std::vector<int>& result) const {
    const IArea* area = areas[static_cast<size_t>(number)];
    if (area->isLeaf()) {
        result.push_back(number);
        return;
    }
    const auto* node = static_cast<const AreaNode*>(area);
    bool descended = false;
    if (node->getWidth() * node->getHeight() > threshold) {
        for (int childNumber : node->children) {
            const auto* child = static_cast<const ARectangularArea*>(areas[static_cast<size_t>(childNumber)]);
            ChartPosition nw = child->getNWEdge(), se = child->getSEEdge();
            if (axisOverlaps(nw.longitude, se.longitude, query.west, query.east) &&
                axisOverlaps(se.latitude, nw.latitude, query.south, query.north)) {
                collectBestFitting(childNumber, query, threshold, result);
                descended = true;
            }
        }
    }
    if (!descended)
        result.push_back(number);
}

std::vector<int> WorldWideAreaTree::getOverlappingLeafes(ChartPosition northWest, ChartPosition southEast) const {
    std::vector<int> result;
    for (const QueryRectangle& query : normaliseQuery(northWest, southEast)) {
        int firstColumn, lastColumn, firstRow, lastRow;
        if (!cellRange(query.west, query.east, LEAF_SIZE_DEG, LEAF_COLUMNS, firstColumn, lastColumn) ||
            !cellRange(90.0 - query.north, 90.0 - query.south, LEAF_SIZE_DEG, LEAF_ROWS, firstRow, lastRow))
            continue;
        result.reserve(result.size() + static_cast<size_t>((lastColumn - firstColumn + 1) * (lastRow - firstRow + 1)));
        for (int column = firstColumn; column <= lastColumn; column++)
            for (int row = firstRow; row <= lastRow; row++)
                result.push_back(leafGrid[static_cast<size_t>(column) * LEAF_ROWS + static_cast<size_t>(row)]);
    }
    return result;
}

std::vector<int> WorldWideAreaTree::getLeafesFromAreaList(const std::vector<int>& areaList) const {
    std::vector<int> result;
    for (int number : areaList)
        if (getArea(number))
            collectLeafes(number, result);
    return result;
}

void WorldWideAreaTree::collectLeafes(int number, std::vector<int>& result) const {
    const IArea* area = areas[static_cast<size_t>(number)];
    if (area->isLeaf()) {
        result.push_back(number);
        return;
    }
    for (int child : static_cast<const AreaNode*>(area)->children)
        collectLeafes(child, result);
}

void WorldWideAreaTree::updateAreaTree(int area, const std::vector<ChartPosition>& points, int32_t identifier,
                                       const char* staticData) {
    if (!getArea(area) || points.empty())
        return;
    insertIntoTouchedLeafes(area, points, identifier, staticData);
}

void WorldWideAreaTree::insertIntoTouchedLeafes(int number, const std::vector<ChartPosition>& points,
                                                int32_t identifier, const char* staticData) {
    IArea* area = areas[static_cast<size_t>(number)];
    bool touched = std::any_of(points.begin(), points.end(),
                               [area](const ChartPosition& point) { return area->isInside(point); });
    if (!touched)
        return;
    if (area->isLeaf()) {
        static_cast<AreaLeaf*>(area)->addElement(identifier, staticData);
        return;
    }
    for (int child : static_cast<AreaNode*>(area)->children)
        insertIntoTouchedLeafes(child, points, identifier, staticData);
}

void WorldWideAreaTree::deleteElementFromAreaTree(int32_t identifier) {
    for (AreaLeaf& leaf : leaves)
        leaf.removeElement(identifier);
}

void WorldWideAreaTree::clearElements() {
    for (AreaLeaf& leaf : leaves)
        leaf.clear();
}
