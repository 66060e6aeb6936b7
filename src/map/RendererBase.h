#pragma once
#include <irrlicht.h>

#include <string>

#include "gui/Drawer2D.h"
#include "map/IChartElementRenderer.h"
#include "map/rules/MapStyle.h"
#include "map/rules/ScreenHitTest.h"

class Map2D;
struct ChartPosition;

// What the element renderers share: the symbol's place in the picture, a
// hit radius around it, the label with the element's own text, and the
// selection list entries from the element's description.
class ARenderer : public IChartElementRenderer {
public:
    explicit ARenderer(Drawer2D& drawer) : drawer(drawer) {}
    void render2DText(const IChartElement* element, Map2D* map, int32_t id, bool selected,
                      bool highlighted) override;
    bool isMouseOver2D(Map2D* map, const IChartElement* element, int32_t id, PanelPoint point) override;
    // Asks the map's drawing rules, which read the kind from the bytes.
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    std::wstring getSelectionListLabel(const IChartElement* element, const units::UnitConverter& units) override;
    std::wstring getSelectionListDetails(const IChartElement* element, const units::UnitConverter& units,
                                         bool full) override;

protected:
    // The symbol's half size in pixels; taps within it (and a little more)
    // select the element.
    static constexpr float kSymbolRadius = 8.0f;
    virtual irr::video::SColor labelColour(const IChartElement* element, const Map2D& map) const;
    Drawer2D& drawer;
};

// Kinds drawn as one symbol at their position: the same symbol serves the
// map and the sketch of lists.
class APointRenderer : public ARenderer {
public:
    using ARenderer::ARenderer;
    void renderSketch(const IChartElement* element, const irr::core::rect<int>& area) override;
    void render2D(const IChartElement* element, Map2D* map, int32_t id, bool selected, bool highlighted) override;

protected:
    virtual void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius,
                            MapPalette palette) = 0;
    // Corners of the symbol being drawn; reused between calls.
    Drawer2D::Points points;
};

// Kinds drawn as lines or areas: the sketch shows the outline fitted into
// the rectangle; a tap hits near a line (or inside an area).
class AShapeRenderer : public ARenderer {
public:
    using ARenderer::ARenderer;
    void renderSketch(const IChartElement* element, const irr::core::rect<int>& area) override;
    void render2D(const IChartElement* element, Map2D* map, int32_t id, bool selected, bool highlighted) override;
    bool isMouseOver2D(Map2D* map, const IChartElement* element, int32_t id, PanelPoint point) override;

protected:
    virtual ShapeStyle styleOf(const IChartElement* element, MapPalette palette) const = 0;
    // Lines are open unless the kind says its outline closes.
    virtual bool isClosed(const IChartElement* element) const = 0;
    // The outline, in the picture or on the screen; reused between calls.
    Drawer2D::Points points;
    std::vector<ScreenPoint> screenPoints;
    Drawer2D::Points dash;
};

// Draws in the picture being made: positions through the map, shapes
// through the 2D drawer.
struct MapPen {
    Map2D& map;
    Drawer2D& drawer;
    explicit MapPen(Map2D& map);
    irr::core::vector2df at(const ChartPosition& position) const;
    void line(const ChartPosition& from, const ChartPosition& to, float width, irr::video::SColor colour) const;
};

irr::video::SColor toSColor(MapColour colour);
// A colour of our own symbols as the palette shows it.
irr::video::SColor inPalette(MapColour day, MapPalette palette);
// Draws the polyline with the style's pattern of dashes or dots.
void drawPatterned(Drawer2D& drawer, const Drawer2D::Points& points, bool closed, const ShapeStyle& style,
                   Drawer2D::Points& scratch);
