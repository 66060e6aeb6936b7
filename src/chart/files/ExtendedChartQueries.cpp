#include "chart/files/ExtendedChart.h"
#include "base/Units.h"
#include "geo/Geodesy.h"
#include "chart/elements/StaticData.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <utility>

namespace {

constexpr uint8_t AIRPORT_HELIPORT_BIT = 1 << 1;
constexpr uint8_t AIRPORT_PRIVATE_BIT = 1 << 2;

bool isPrivateHeliport(const char* staticData) {
    auto flags = static_cast<uint8_t>(staticData[1]);
    return (flags & AIRPORT_HELIPORT_BIT) && (flags & AIRPORT_PRIVATE_BIT);
}

}  // namespace

std::vector<int32_t> ExtendedChart::findChartElementsInVicinity(ChartPosition position, double radiusNm,
                                                                bool airportsOnly, bool sort) {
    double radius = radiusNm * units::kMetresPerNauticalMile;
    ChartPosition northWest, southEast;
    calcRectangleAround(northWest, southEast, position, 2.0 * radius);
    std::vector<std::pair<double, int32_t>> found;
    for (int leafNumber : tree.getOverlappingLeafes(northWest, southEast)) {
        const AreaLeaf* leaf = tree.getLeaf(leafNumber);
        for (size_t entry = 0; entry < leaf->elements.size(); entry++) {
            if (airportsOnly) {
                const char* staticData = leaf->getStaticData(entry);
                if (getStaticType(staticData) != IChartElement::AIRPORT || isPrivateHeliport(staticData))
                    continue;
            }
            int32_t identifier = leaf->elements[entry];
            IChartElement* element = getChartElement(identifier);
            if (!element)
                continue;
            double distance = calcDistance2(position, element->getPosition());
            if (distance <= radius)
                found.emplace_back(distance, identifier);
        }
    }
    if (sort)
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int32_t> result;
    result.reserve(found.size());
    for (const auto& entry : found)
        result.push_back(entry.second);
    return result;
}

std::vector<IChartElementSource::CorridorDistances> ExtendedChart::findChartElementsInCartesianCorridor(
    ChartPosition from, ChartPosition to, double halfWidth, const StaticDataFilter& filter) {
    // Measured in the flat frame of the leg's start, where the leg is a
    // straight line; fine for the legs of a flight plan.
    Vector3d leg = ChartPosition2Vector3df64(from, to, 0.0);
    double legLength = leg.getLength();
    Vector3d direction = legLength > 0.0 ? leg / legLength : Vector3d(0, 0, 1);

    ChartPosition centre = calcChartPositionCenter(from, to);
    ChartPosition northWest, southEast;
    calcRectangleAround(northWest, southEast, centre, legLength + 2.0 * halfWidth);

    std::vector<CorridorDistances> result;
    std::unordered_set<int32_t> seen;
    for (int leafNumber : tree.getOverlappingLeafes(northWest, southEast)) {
        const AreaLeaf* leaf = tree.getLeaf(leafNumber);
        for (size_t entry = 0; entry < leaf->elements.size(); entry++) {
            int32_t identifier = leaf->elements[entry];
            if ((filter && !filter(leaf->getStaticData(entry))) || !seen.insert(identifier).second)
                continue;
            IChartElement* element = getChartElement(identifier);
            if (!element)
                continue;
            Vector3d offset = ChartPosition2Vector3df64(from, element->getPosition(), 0.0);
            double along = offset.x * direction.x + offset.z * direction.z;
            // Right of the leg is positive: the leg direction turned clockwise.
            double cross = offset.x * direction.z - offset.z * direction.x;
            if (along < 0.0 || along > legLength || std::fabs(cross) > halfWidth)
                continue;
            result.push_back(CorridorDistances{identifier, along, cross});
        }
    }
    std::sort(result.begin(), result.end(),
              [](const CorridorDistances& a, const CorridorDistances& b) { return a.alongTrack < b.alongTrack; });
    return result;
}
