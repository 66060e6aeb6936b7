#include "map/RendererBase.h"

#include <algorithm>
#include <cmath>

#include "chart/elements/IChartElement.h"
#include "gui/Drawer2D.h"
#include "map/Map2D.h"

using namespace irr;

MapPen::MapPen(Map2D& map) : map(map), drawer(map.getDrawer()) {}

core::vector2df MapPen::at(const ChartPosition& position) const {
    const PanelPoint p = map.toPicture(position);
    return core::vector2df(static_cast<f32>(p.x), static_cast<f32>(p.y));
}

void MapPen::line(const ChartPosition& from, const ChartPosition& to, float width, video::SColor colour) const {
    drawer.drawLine(at(from), at(to), width, colour);
}

video::SColor nightened(video::SColor colour, bool night) {
    if (!night) return colour;
    // Keep the hue, drop the brightness to about half: readable on the dark
    // ground of the night chart without glare.
    return video::SColor(colour.getAlpha(), colour.getRed() * 6 / 10, colour.getGreen() * 6 / 10,
                         colour.getBlue() * 6 / 10);
}

video::SColor ARenderer::labelColour(const IChartElement*, bool night) const {
    return night ? video::SColor(255, 200, 200, 200) : video::SColor(255, 20, 20, 40);
}

void ARenderer::render2DText(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const std::wstring text = element->getIndicatedLabel(false, &map->getUnits());
    if (!text.empty()) map->addRGDText(text, element->getPosition(), labelColour(element, map->isNight()));
}

bool ARenderer::isMouseOver2D(Map2D* map, const IChartElement* element, int32_t, PanelPoint point) {
    const PanelPoint at = map->toPanel(element->getPosition());
    const double reach = kSymbolRadius * 1.5;
    return std::hypot(at.x - point.x, at.y - point.y) <= reach;
}

std::wstring ARenderer::getSelectionListLabel(const IChartElement* element, const units::UnitConverter& units) {
    return element->getIndicatedLabel(true, &units);
}

std::wstring ARenderer::getSelectionListDetails(const IChartElement* element, const units::UnitConverter&, bool) {
    return element->createDescriptionString();
}

void APointRenderer::renderSketch(const IChartElement* element, const core::rect<int>& area) {
    const core::vector2di c = area.getCenter();
    drawSymbol(element, core::vector2df(c.X, c.Y), std::min(area.getWidth(), area.getHeight()) * 0.4f, false);
}

void APointRenderer::render2D(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const PanelPoint p = map->toPicture(element->getPosition());
    drawSymbol(element, core::vector2df(static_cast<f32>(p.x), static_cast<f32>(p.y)), kSymbolRadius,
               map->isNight());
}

namespace {
double distanceToSegment(PanelPoint p, PanelPoint a, PanelPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = std::max(0.0, std::min(1.0, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}
}  // namespace

void AShapeRenderer::renderSketch(const IChartElement* element, const core::rect<int>& area) {
    const int count = element->getAreaDefiningPointCount();
    if (count < 2) return;
    double west = 1e9, east = -1e9, south = 1e9, north = -1e9;
    for (int i = 0; i < count; ++i) {
        const ChartPosition p = element->getAreaDefiningPoint(i);
        west = std::min(west, p.longitude), east = std::max(east, p.longitude);
        south = std::min(south, p.latitude), north = std::max(north, p.latitude);
    }
    const double scale = std::min(area.getWidth() / std::max(east - west, 1e-9),
                                  area.getHeight() / std::max(north - south, 1e-9));
    points.clear();
    for (int i = 0; i < count; ++i) {
        const ChartPosition p = element->getAreaDefiningPoint(i);
        points.emplace_back(area.UpperLeftCorner.X + (p.longitude - west) * scale,
                            area.UpperLeftCorner.Y + (north - p.latitude) * scale);
    }
    const Look look = lookOf(element, false);
    if (look.fill.getAlpha() > 0) drawer.fillPolygon(points, look.fill, &area);
    drawer.drawPolyline(points, look.width, look.line, look.closed, &area);
}

void AShapeRenderer::render2D(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const int count = element->getAreaDefiningPointCount();
    if (count < 2) return;
    points.clear();
    for (int i = 0; i < count; ++i) {
        const PanelPoint p = map->toPicture(element->getAreaDefiningPoint(i));
        points.emplace_back(static_cast<f32>(p.x), static_cast<f32>(p.y));
    }
    const Look look = lookOf(element, map->isNight());
    if (look.fill.getAlpha() > 0 && count >= 3) drawer.fillPolygon(points, look.fill);
    drawer.drawPolyline(points, look.width, look.line, look.closed);
}

bool AShapeRenderer::isMouseOver2D(Map2D* map, const IChartElement* element, int32_t, PanelPoint point) {
    const int count = element->getAreaDefiningPointCount();
    const Look look = lookOf(element, false);
    const double reach = std::max(6.0, double(look.width));
    bool inside = false;
    PanelPoint previous = map->toPanel(element->getAreaDefiningPoint(look.closed ? count - 1 : 0));
    for (int i = look.closed ? 0 : 1; i < count; ++i) {
        const PanelPoint p = map->toPanel(element->getAreaDefiningPoint(i));
        if (distanceToSegment(point, previous, p) <= reach) return true;
        // Crossings of a ray to the right: odd means inside a filled area.
        if ((p.y > point.y) != (previous.y > point.y) &&
            point.x < (previous.x - p.x) * (point.y - p.y) / (previous.y - p.y) + p.x)
            inside = !inside;
        previous = p;
    }
    return inside && look.fill.getAlpha() > 0;
}
