#pragma once
#include "map/RendererBase.h"

class AirportElement;

// One renderer per chart element type. What each draws is conventional
// chart symbology; whether and in which order is decided by the map's
// drawing rules.

class VORRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, bool night) override;
    Drawer2D::Points points;
};

class NDBRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, bool night) override;
};

class WaypointRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, bool night) override;
    Drawer2D::Points points;
};

class MarkRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, bool night) override;
    Drawer2D::Points points;
};

class ObstructionRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;
    bool may2DMapPotentiallyChange(Map2D* map, const char* staticData, double oldAltitude,
                                   double newAltitude) override;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, bool night) override;
    irr::video::SColor labelColour(const IChartElement* element, bool night) const override;
};

class POIRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, bool night) override;
    Drawer2D::Points points;
};

class AirportRenderer : public APointRenderer {
public:
    using APointRenderer::APointRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;
    // The true heading of the longest runway; -1 without runways.
    static double longestRunwayHeading(const AirportElement& airport);

protected:
    void drawSymbol(const IChartElement* element, irr::core::vector2df centre, float radius, bool night) override;
    static irr::video::SColor colourOf(const AirportElement& airport, bool night);
};

class AirspaceRenderer : public AShapeRenderer {
public:
    using AShapeRenderer::AShapeRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;
    void render2DText(const IChartElement* element, Map2D* map, int32_t id, bool selected,
                      bool highlighted) override;

protected:
    Look lookOf(const IChartElement* element, bool night) const override;
};

class AirwayRenderer : public AShapeRenderer {
public:
    using AShapeRenderer::AShapeRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;

protected:
    Look lookOf(const IChartElement* element, bool night) const override;
};

class GroundGeometryRenderer : public AShapeRenderer {
public:
    using AShapeRenderer::AShapeRenderer;
    int getPriority(const IChartElement* element) override;
    int getSelectPriority(const IChartElement* element) override;
    bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) override;

protected:
    Look lookOf(const IChartElement* element, bool night) const override;
};
