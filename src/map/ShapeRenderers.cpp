// The kinds drawn as lines and areas: airspaces, airways and the ground's
// geometry (shores, rivers, borders, roads, taxiways).
#include <algorithm>

#include "chart/elements/AirspaceElement.h"
#include "chart/elements/AirwayElement.h"
#include "chart/elements/GroundGeometryElement.h"
#include "map/ElementRenderers.h"
#include "map/Map2D.h"

using namespace irr;
using video::SColor;

namespace {

// Airspace borders as charts colour them: controlled airspace blue, the
// lower classes magenta, restricted and dangerous areas red.
SColor airspaceColour(const std::string& airspaceClass) {
    if (airspaceClass == "A" || airspaceClass == "B" || airspaceClass == "C" || airspaceClass == "CTR" ||
        airspaceClass == "CTA")
        return SColor(255, 20, 60, 200);
    if (airspaceClass == "D" || airspaceClass == "E" || airspaceClass == "TMZ" || airspaceClass == "RMZ")
        return SColor(255, 160, 30, 150);
    if (airspaceClass == "R" || airspaceClass == "P" || airspaceClass == "Q" ||
        airspaceClass == "DANGER" || airspaceClass == "RESTRICTED" || airspaceClass == "PROHIBITED")
        return SColor(255, 210, 30, 30);
    return SColor(255, 90, 90, 120);
}

}  // namespace

AShapeRenderer::Look AirspaceRenderer::lookOf(const IChartElement* element, bool night) const {
    const auto* airspace = static_cast<const AirspaceElement*>(element);
    Look look;
    look.line = nightened(airspaceColour(airspace->airspaceClass), night);
    look.width = 2.0f;
    look.closed = true;
    return look;
}

void AirspaceRenderer::render2DText(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const auto* airspace = static_cast<const AirspaceElement*>(element);
    if (airspace->points.empty()) return;
    // The label sits on the northernmost point, where it reads as the
    // border's caption rather than floating inside a large area.
    const auto top = std::max_element(airspace->points.begin(), airspace->points.end(),
                                      [](const ChartPosition& a, const ChartPosition& b) {
                                          return a.latitude < b.latitude;
                                      });
    map->addRGDText(element->getIndicatedLabel(false, &map->getUnits()), *top,
                    lookOf(element, map->isNight()).line);
}

AShapeRenderer::Look AirwayRenderer::lookOf(const IChartElement* element, bool night) const {
    const auto* airway = static_cast<const AirwayElement*>(element);
    Look look;
    look.line = nightened(airway->highAltUsage && !airway->lowAltUsage ? SColor(255, 60, 130, 90)
                                                                       : SColor(255, 90, 110, 150),
                          night);
    look.width = 1.5f;
    return look;
}

AShapeRenderer::Look GroundGeometryRenderer::lookOf(const IChartElement* element, bool night) const {
    const auto* g = static_cast<const GroundGeometryElement*>(element);
    Look look;
    look.closed = g->geometryType == GroundGeometryElement::AREA;
    const SColor water = night ? SColor(255, 40, 70, 110) : SColor(255, 70, 130, 200);
    const SColor waterFill = night ? SColor(255, 20, 35, 60) : SColor(255, 170, 205, 240);
    const SColor pavement = night ? SColor(255, 70, 70, 70) : SColor(255, 150, 150, 150);
    const SColor border = night ? SColor(255, 120, 80, 120) : SColor(255, 140, 60, 140);
    switch (g->kind) {
        case GroundGeometryElement::WATER:
        case GroundGeometryElement::COASTLINE:
        case GroundGeometryElement::RIVER:
            look.line = water;
            look.width = g->kind == GroundGeometryElement::RIVER ? 1.5f : 2.0f;
            if (look.closed) look.fill = waterFill;
            break;
        case GroundGeometryElement::ROAD:
            look.line = night ? SColor(255, 110, 90, 50) : SColor(255, 200, 140, 40);
            look.width = 2.0f;
            break;
        case GroundGeometryElement::RAILWAY:
            look.line = night ? SColor(255, 90, 90, 90) : SColor(255, 60, 60, 60);
            look.width = 1.5f;
            break;
        case GroundGeometryElement::BORDER:
        case GroundGeometryElement::BORDER_ALONG_ROAD:
        case GroundGeometryElement::BORDER_ALONG_RAILWAY:
        case GroundGeometryElement::BORDER_ALONG_RIVER:
        case GroundGeometryElement::BORDER_ALONG_COAST:
            look.line = border;
            look.width = 2.5f;
            break;
        case GroundGeometryElement::BUILDING:
            look.line = pavement;
            look.fill = pavement;
            break;
        default:  // an airport's ground
            look.line = pavement;
            look.width = 1.0f;
            if (look.closed) look.fill = pavement;
            break;
    }
    return look;
}
