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

constexpr int kGroundBasePriority = 300;
constexpr int kGroundBaseSelectPriority = 102060;

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
    switch (element.getType()) {
    case IChartElement::VOR:
        return 1000;
    case IChartElement::NDB:
        return 900;
    case IChartElement::WAYPOINT:
        return 800;
    case IChartElement::AIRPORT:
        return 750;
    case IChartElement::MARK:
        return 600;
    case IChartElement::AIRSPACE:
        return getAirspacePriority(static_cast<const AirspaceElement&>(element));
    case IChartElement::AIRWAY:
        return 400;
    case IChartElement::OBSTRUCTION:
        return 350;
    case IChartElement::GROUNDGEOMETRY:
        return kGroundBasePriority - getGroundFeaturePriority(static_cast<const GroundGeometryElement&>(element).kind);
    case IChartElement::POI:
        return 250;
    default:
        return 0;
    }
}

int getSelectPriority(const IChartElement& element) {
    switch (element.getType()) {
    case IChartElement::VOR:
        return 102410;
    case IChartElement::NDB:
        return 102210;
    case IChartElement::WAYPOINT:
        return static_cast<const WaypointElement&>(element).pub ? 102310 : 101910;
    case IChartElement::AIRPORT:
        return static_cast<const AirportElement&>(element).towered ? 102530 : 102520;
    case IChartElement::MARK:
        return 102010;
    case IChartElement::AIRSPACE:
        return getAirspaceSelectPriority(static_cast<const AirspaceElement&>(element));
    case IChartElement::AIRWAY:
        return 102110;
    case IChartElement::OBSTRUCTION:
        return 399;
    case IChartElement::GROUNDGEOMETRY:
        return kGroundBaseSelectPriority -
               getGroundFeaturePriority(static_cast<const GroundGeometryElement&>(element).kind);
    case IChartElement::POI:
        return 0;
    default:
        return 0;
    }
}
