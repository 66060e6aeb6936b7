#pragma once
#include "map/RendererBase.h"

class AirportElement;

// One renderer per chart element type. What each draws is conventional
// chart symbology; whether and in which order is decided by the map's
// drawing rules.

class VORRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, MapPalette palette) override;
};

class NDBRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, MapPalette palette) override;
};

class WaypointRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, MapPalette palette) override;
};

class MarkRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, MapPalette palette) override;
};

class ObstructionRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    bool may2DMapPotentiallyChange(Map2D* map, const char* staticData, double oldAltitude,
                                   double newAltitude) override;
    void render2D(const IChartElement* element, Map2D* map, int32_t id, bool selected, bool highlighted) override;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, MapPalette palette) override;
    irr::video::SColor labelColour(const IChartElement* element, const Map2D& map) const override;
    // The own altitude of the picture being drawn: it colours the obstacles.
    double ownAltitude = 0.0;
};

class POIRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;

protected:
    irr::video::SColor labelColour(const IChartElement* element, const Map2D& map) const override;
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, MapPalette palette) override;
};

class AirportRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, MapPalette palette) override;
};

class AirspaceRenderer : public AShapeRenderer {
public:
    using AShapeRenderer::AShapeRenderer;
    void render2DText(const IChartElement* element, Map2D* map, int32_t id, bool selected,
                      bool highlighted) override;

protected:
    ShapeStyle styleOf(const IChartElement* element, MapPalette palette) const override;
    bool isClosed(const IChartElement* element) const override;
};

class AirwayRenderer : public AShapeRenderer {
public:
    using AShapeRenderer::AShapeRenderer;

protected:
    ShapeStyle styleOf(const IChartElement* element, MapPalette palette) const override;
    bool isClosed(const IChartElement* element) const override;
};

class GroundGeometryRenderer : public AShapeRenderer {
public:
    using AShapeRenderer::AShapeRenderer;

protected:
    ShapeStyle styleOf(const IChartElement* element, MapPalette palette) const override;
    bool isClosed(const IChartElement* element) const override;
};
