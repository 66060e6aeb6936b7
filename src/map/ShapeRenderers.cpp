// The kinds drawn as lines and areas: airspaces, airways and the ground's
// geometry (shores, rivers, borders, roads, taxiways), in the styles of the
// map's drawing rules.
#include <algorithm>

#include "chart/elements/AirspaceElement.h"
#include "chart/elements/AirwayElement.h"
#include "chart/elements/GroundGeometryElement.h"
#include "map/ElementRenderers.h"
#include "map/Map2D.h"
#include "map/rules/AirspaceCategory.h"
#include "map/rules/AirspaceStyle.h"
#include "map/rules/AirwayStyle.h"
#include "map/rules/GroundGeometryStyle.h"
#include "map/rules/MapLabels.h"

ShapeStyle AirspaceRenderer::styleOf(const IChartElement* element, MapPalette palette) const {
    return getAirspaceStyle(classifyAirspace(static_cast<const AirspaceElement*>(element)->airspaceClass), palette);
}

bool AirspaceRenderer::isClosed(const IChartElement*) const { return true; }

void AirspaceRenderer::render2DText(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const auto* airspace = static_cast<const AirspaceElement*>(element);
    if (airspace->points.empty()) return;
    // The label sits on the northernmost point, where it reads as the
    // border's caption rather than floating inside a large area.
    const auto top = std::max_element(airspace->points.begin(), airspace->points.end(),
                                      [](const ChartPosition& a, const ChartPosition& b) {
                                          return a.latitude < b.latitude;
                                      });
    map->addRGDText(getMapLabel(*element, &map->getUnits()), *top, toSColor(styleOf(element, map->getPalette()).line));
}

ShapeStyle AirwayRenderer::styleOf(const IChartElement* element, MapPalette palette) const {
    const auto* airway = static_cast<const AirwayElement*>(element);
    return getAirwayStyle(airway->highAltUsage && !airway->lowAltUsage, palette);
}

bool AirwayRenderer::isClosed(const IChartElement*) const { return false; }

ShapeStyle GroundGeometryRenderer::styleOf(const IChartElement* element, MapPalette palette) const {
    const auto* g = static_cast<const GroundGeometryElement*>(element);
    return getGroundGeometryStyle(g->kind, g->geometryType == GroundGeometryElement::AREA, palette);
}

bool GroundGeometryRenderer::isClosed(const IChartElement* element) const {
    return static_cast<const GroundGeometryElement*>(element)->geometryType == GroundGeometryElement::AREA;
}
