#include "map/RendererBase.h"

#include <algorithm>
#include <cmath>

#include "chart/elements/IChartElement.h"
#include "gui/Drawer2D.h"
#include "map/Map2D.h"
#include "map/rules/MapLabels.h"
#include "map/rules/RenderPriorities.h"

using namespace irr;

MapPen::MapPen(Map2D& map) : map(map), drawer(map.getDrawer()) {}

core::vector2df MapPen::at(const ChartPosition& position) const {
    const PanelPoint p = map.toPicture(position);
    return core::vector2df(static_cast<f32>(p.x), static_cast<f32>(p.y));
}

void MapPen::line(const ChartPosition& from, const ChartPosition& to, float width, video::SColor colour) const {
    drawer.drawLine(at(from), at(to), width, colour);
}

video::SColor toSColor(MapColour c) { return video::SColor(c.a, c.r, c.g, c.b); }

video::SColor inPalette(MapColour day, MapPalette palette) {
    ShapeStyle style;
    style.line = day;
    return toSColor(inPalette(style, palette).line);
}

void drawPatterned(Drawer2D& drawer, const Drawer2D::Points& points, bool closed, const ShapeStyle& style,
                   Drawer2D::Points& scratch) {
    const video::SColor colour = toSColor(style.line);
    const float w = style.lineWidthPixels;
    if (style.pattern == LinePattern::SOLID || points.size() < 2) {
        drawer.drawPolyline(points, w, colour, closed);
        return;
    }
    // On and off lengths in line widths; the pattern runs on over corners.
    float on[2] = {4.0f * w + 4.0f, 0.0f}, off[2] = {2.0f * w + 3.0f, 0.0f};
    if (style.pattern == LinePattern::DOTTED) on[0] = w, off[0] = 2.0f * w + 1.0f;
    if (style.pattern == LinePattern::DASH_DOT) on[1] = w, off[1] = off[0];
    int part = 0;
    float left = on[0];
    bool drawing = true;
    scratch.clear();
    scratch.push_back(points[0]);
    const size_t count = points.size() + (closed ? 1 : 0);
    for (size_t i = 1; i < count; ++i) {
        core::vector2df from = points[i - 1], to = points[i % points.size()];
        float length = (to - from).getLength();
        while (length > 0.0f) {
            const float step = std::min(left, length);
            const core::vector2df at = from + (to - from) * (step / length);
            if (drawing) scratch.push_back(at);
            from = at, length -= step, left -= step;
            if (left > 0.0f) continue;
            if (drawing && scratch.size() > 1) drawer.drawPolyline(scratch, w, colour, false);
            scratch.clear();
            drawing = !drawing;
            if (drawing) part = on[1] > 0.0f ? 1 - part : 0;
            left = drawing ? on[part] : off[part];
            if (drawing) scratch.push_back(from);
        }
    }
    if (drawing && scratch.size() > 1) drawer.drawPolyline(scratch, w, colour, false);
}

video::SColor ARenderer::labelColour(const IChartElement*, const Map2D& map) const {
    return map.isNight() ? video::SColor(255, 210, 210, 210) : video::SColor(255, 20, 20, 40);
}

int ARenderer::getPriority(const IChartElement* element) { return ::getPriority(*element); }
int ARenderer::getSelectPriority(const IChartElement* element) { return ::getSelectPriority(*element); }

void ARenderer::render2DText(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const std::wstring text = getMapLabel(*element, &map->getUnits());
    if (!text.empty()) map->addRGDText(text, element->getPosition(), labelColour(element, *map));
}

bool ARenderer::isMouseOver2D(Map2D* map, const IChartElement* element, int32_t, PanelPoint point) {
    const PanelPoint at = map->toPanel(element->getPosition());
    return hitsSymbol({point.x, point.y}, {at.x, at.y}, kSymbolRadius * 1.5);
}

std::wstring ARenderer::getSelectionListLabel(const IChartElement* element, const units::UnitConverter& units) {
    return element->getIndicatedLabel(true, &units);
}

std::wstring ARenderer::getSelectionListDetails(const IChartElement* element, const units::UnitConverter&, bool) {
    return element->createDescriptionString();
}

void APointRenderer::renderSketch(const IChartElement* element, const core::rect<int>& area) {
    const core::vector2di c = area.getCenter();
    drawSymbol(element, core::vector2df(c.X, c.Y), std::min(area.getWidth(), area.getHeight()) * 0.4f,
               MapPalette::DAY);
}

void APointRenderer::render2D(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const PanelPoint p = map->toPicture(element->getPosition());
    drawSymbol(element, core::vector2df(static_cast<f32>(p.x), static_cast<f32>(p.y)), kSymbolRadius,
               map->getPalette());
}

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
    const ShapeStyle style = styleOf(element, MapPalette::DAY);
    if (style.fill.a > 0 && count >= 3) drawer.fillPolygon(points, toSColor(style.fill), &area);
    drawer.drawPolyline(points, style.lineWidthPixels, toSColor(style.line), isClosed(element), &area);
}

void AShapeRenderer::render2D(const IChartElement* element, Map2D* map, int32_t, bool, bool) {
    const int count = element->getAreaDefiningPointCount();
    if (count < 2) return;
    points.clear();
    for (int i = 0; i < count; ++i) {
        const PanelPoint p = map->toPicture(element->getAreaDefiningPoint(i));
        points.emplace_back(static_cast<f32>(p.x), static_cast<f32>(p.y));
    }
    const ShapeStyle style = styleOf(element, map->getPalette());
    if (style.fill.a > 0 && count >= 3) drawer.fillPolygon(points, toSColor(style.fill));
    if (style.line.a > 0) drawPatterned(drawer, points, isClosed(element), style, dash);
}

bool AShapeRenderer::isMouseOver2D(Map2D* map, const IChartElement* element, int32_t, PanelPoint point) {
    const int count = element->getAreaDefiningPointCount();
    screenPoints.clear();
    for (int i = 0; i < count; ++i) {
        const PanelPoint p = map->toPanel(element->getAreaDefiningPoint(i));
        screenPoints.push_back({p.x, p.y});
    }
    const ShapeStyle style = styleOf(element, map->getPalette());
    const double tolerance = std::max(6.0, double(style.lineWidthPixels));
    // Only a filled area is hit inside; an outline only near its line.
    if (isClosed(element) && style.fill.a > 0) return hitsArea({point.x, point.y}, screenPoints, tolerance);
    if (isClosed(element) && !screenPoints.empty()) screenPoints.push_back(screenPoints.front());
    return hitsPolyline({point.x, point.y}, screenPoints, tolerance);
}
