#include "geo/Angles.h"
#include "geo/Geodesy.h"
#include "chart/elements/IChartElement.h"
#include "chart/files/WorldWideAreaTree.h"

namespace {

// A long edge can cross leaves without a vertex in them, so edges are sampled
// every 10 km. Edges longer than 5000 km are not sampled: the local frame is
// no longer meaningful at that size.
constexpr double SAMPLE_SPACING_M = 10000.0;
constexpr double LONGEST_SAMPLED_EDGE_M = 5000000.0;

ChartPosition normalised(const ChartPosition& position) {
    return ChartPosition(Angle0to360(position.longitude), Latitudinize(position.latitude));
}

void sampleEdge(const ChartPosition& from, const ChartPosition& to, std::vector<ChartPosition>& samples) {
    Vector3d offset = ChartPosition2Vector3df64(from, to, 0.0);
    double length = offset.getLength();
    if (length <= SAMPLE_SPACING_M || length > LONGEST_SAMPLED_EDGE_M)
        return;
    Vector3d direction = offset / length;
    for (double along = 0.0; along < length; along += SAMPLE_SPACING_M)
        samples.push_back(normalised(Vector3df642ChartPosition(from, direction * along)));
}

}  // namespace

std::vector<ChartPosition> collectAreaTreeSamplePoints(const IChartElement* element) {
    std::vector<ChartPosition> points;
    int count = element->getAreaDefiningPointCount();
    if (count <= 0)
        return points;
    std::vector<ChartPosition> corners;
    corners.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; i++)
        corners.push_back(element->getAreaDefiningPoint(i));
    for (const ChartPosition& corner : corners)
        points.push_back(normalised(corner));
    if (count == 2) {
        sampleEdge(corners[0], corners[1], points);
    } else if (count > 2) {
        for (size_t i = 0; i < corners.size(); i++)
            sampleEdge(corners[i], corners[(i + 1) % corners.size()], points);
    }
    return points;
}

void WorldWideAreaTree::updateAreaTree(int area, const IChartElement* element, int32_t identifier) {
    if (!element)
        return;
    char staticData[CHART_ELEMENT_STATIC_DATA_SIZE] = {0, 0, 0};
    element->writeStaticData(staticData);
    updateAreaTree(area, collectAreaTreeSamplePoints(element), identifier, staticData);
}
