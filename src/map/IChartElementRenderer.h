#pragma once
#include <irrlicht.h>

#include <cstdint>
#include <string>

#include "map/view/MapPlacement.h"

class IChartElement;
class Map2D;
class Map3D;
namespace units { class UnitConverter; }

// Draws one kind of chart element on the map and answers for it: whether it
// is worth loading at this scale (from its 3 static bytes alone), where it
// lies in the drawing order, whether a tap hits it and how it is listed.
class IChartElementRenderer {
public:
    // A small schematic of the element in the rectangle (lists, details).
    virtual void renderSketch(const IChartElement* element, const irr::core::rect<int>& area) = 0;
    // No three-dimensional map yet: nothing to do there.
    virtual void render3D(const IChartElement* /*element*/, Map3D* /*map*/, int32_t /*id*/) {}
    // The symbol, into the map's chart picture.
    virtual void render2D(const IChartElement* element, Map2D* map, int32_t id, bool selected, bool highlighted) = 0;
    // The label, after every symbol is drawn.
    virtual void render2DText(const IChartElement* element, Map2D* map, int32_t id, bool selected,
                              bool highlighted) = 0;
    // Whether the point (screen pixels, as the panel shows the map now) lies
    // on the element's symbol.
    virtual bool isMouseOver2D(Map2D* map, const IChartElement* element, int32_t id, PanelPoint point) = 0;
    virtual int getPriority(const IChartElement* element) = 0;
    virtual int getSelectPriority(const IChartElement* element) = 0;
    virtual void OnPreRender2D() {}
    virtual void OnPreRTTRender2D() {}
    virtual void OnPostRender2D() {}
    virtual void OnPostPriority2D(Map2D* /*map*/, int /*priority*/) {}
    // Whether a change of the own altitude changes how this element looks.
    virtual bool will2DMapChange(Map2D* /*map*/, const IChartElement* /*element*/, double /*oldAltitude*/,
                                 double /*newAltitude*/) {
        return false;
    }
    // The same from the static bytes, without loading the element.
    virtual bool may2DMapPotentiallyChange(Map2D* /*map*/, const char* /*staticData*/, double /*oldAltitude*/,
                                           double /*newAltitude*/) {
        return false;
    }
    virtual ~IChartElementRenderer() = default;
    virtual bool isPotentiallyRenderable(int32_t id, Map2D* map, const char* staticData) = 0;
    virtual bool isPotentiallyRenderable3D(int32_t /*id*/, Map3D* /*map*/, const char* /*staticData*/) {
        return false;
    }
    virtual std::wstring getSelectionListLabel(const IChartElement* element, const units::UnitConverter& units) = 0;
    virtual std::wstring getSelectionListDetails(const IChartElement* element, const units::UnitConverter& units,
                                                 bool full) = 0;
};
