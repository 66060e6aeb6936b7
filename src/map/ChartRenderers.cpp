#include "map/ChartRenderers.h"

#include "chart/elements/IChartElement.h"
#include "map/ElementRenderers.h"

ChartRenderers::ChartRenderers(Drawer2D& drawer) : byType(IChartElement::TYPE_COUNT, nullptr) {
    // Made in this order; indexed by the element type they draw.
    const auto add = [&](IChartElement::Type type, IChartElementRenderer* renderer) {
        renderers.emplace_back(renderer);
        byType[type] = renderer;
    };
    add(IChartElement::AIRSPACE, new AirspaceRenderer(drawer));
    add(IChartElement::VOR, new VORRenderer(drawer));
    add(IChartElement::AIRPORT, new AirportRenderer(drawer));
    add(IChartElement::OBSTRUCTION, new ObstructionRenderer(drawer));
    add(IChartElement::AIRWAY, new AirwayRenderer(drawer));
    add(IChartElement::WAYPOINT, new WaypointRenderer(drawer));
    add(IChartElement::MARK, new MarkRenderer(drawer));
    add(IChartElement::NDB, new NDBRenderer(drawer));
    add(IChartElement::GROUNDGEOMETRY, new GroundGeometryRenderer(drawer));
    add(IChartElement::POI, new POIRenderer(drawer));
}

ChartRenderers::~ChartRenderers() = default;
