#include "map/rules/RenderPriorities.h"

#include <algorithm>
#include <cmath>

#include "chart/elements/AirportElement.h"
#include "chart/elements/AirspaceElement.h"
#include "chart/elements/GroundGeometryElement.h"
#include "chart/elements/WaypointElement.h"
#include "map/rules/AirspaceCategory.h"
#include "map/rules/GroundGeometryStyle.h"

namespace {

constexpr int kAirspaceBasePriority = 401;
constexpr int kAltitudeBands = 10;
constexpr int kAltitudeBandFeet = 2000;

constexpr int kAirspaceBaseSelectPriority = 100400;
constexpr int kAirspaceSelectRange = 999;
// Each tenfold growth of the bounding box costs this much select priority;
// 10^14 m², more than any airspace, would reach the base.
constexpr double kSelectStepPerDecade = 100.0;
constexpr double kLargestDecade = 14.0;

struct Priorities {
    int draw;
    int select;
};

// By type code. Airspaces compute both; ground geometry subtracts its
// kind's feature priority from both; public waypoints and towered airports
// are selected before the others of their kind.
const Priorities kByType[IChartElement::TYPE_COUNT] = {
    {0, 0},          // airspace
    {400, 102110},   // airway
    {350, 399},      // obstruction
    {800, 101910},   // waypoint
    {600, 102010},   // mark
    {900, 102210},   // NDB
    {1000, 102410},  // VOR
    {750, 102520},   // airport
    {300, 102060},   // ground geometry
    {250, 0},        // point of interest
};
constexpr int kPublicWaypointSelect = 102310;
constexpr int kToweredAirportSelect = 102530;

int groundFeaturePriority(const IChartElement& element) {
    return getGroundFeaturePriority(static_cast<const GroundGeometryElement&>(element).kind);
}

}  // namespace

int getAirspacePriority(const AirspaceElement& airspace) {
    const int category = static_cast<int>(classifyAirspace(airspace.airspaceClass));
    const int bottom = airspace.bottomReference == AirspaceElement::AGL ? 0 : std::max(0, airspace.bottom);
    const int band = kAltitudeBands - 1 - std::min(kAltitudeBands - 1, bottom / kAltitudeBandFeet);
    return kAirspaceBasePriority + category * kAltitudeBands + band;
}

int getAirspaceSelectPriority(const AirspaceElement& airspace) {
    const double area = airspace.getBoundingBoxArea();
    if (!airspace.hasBoundingBox() || !(area > 1.0)) return kAirspaceBaseSelectPriority + kAirspaceSelectRange;
    const double steps = std::round(kSelectStepPerDecade * (kLargestDecade - std::log10(area)));
    return kAirspaceBaseSelectPriority + static_cast<int>(std::clamp(steps, 0.0, double(kAirspaceSelectRange)));
}

int getPriority(const IChartElement& element) {
    const int type = element.getType();
    if (type == IChartElement::AIRSPACE) return getAirspacePriority(static_cast<const AirspaceElement&>(element));
    if (type == IChartElement::GROUNDGEOMETRY) return kByType[type].draw - groundFeaturePriority(element);
    return type >= 0 && type < IChartElement::TYPE_COUNT ? kByType[type].draw : 0;
}

int getSelectPriority(const IChartElement& element) {
    const int type = element.getType();
    switch (type) {
    case IChartElement::AIRSPACE:
        return getAirspaceSelectPriority(static_cast<const AirspaceElement&>(element));
    case IChartElement::GROUNDGEOMETRY:
        return kByType[type].select - groundFeaturePriority(element);
    case IChartElement::WAYPOINT:
        return static_cast<const WaypointElement&>(element).pub ? kPublicWaypointSelect : kByType[type].select;
    case IChartElement::AIRPORT:
        return static_cast<const AirportElement&>(element).towered ? kToweredAirportSelect : kByType[type].select;
    default:
        return type >= 0 && type < IChartElement::TYPE_COUNT ? kByType[type].select : 0;
    }
}
