#pragma once
#include <string>
#include <vector>

#include "map/view/MapPlacement.h"

class Map2D;

// Something drawn over the chart in map coordinates by another part of the
// program (traffic, procedures, weather, terrain) without touching the
// map's own code. A map panel asks its layers in ascending priority each
// frame, after the chart and before its own aircraft symbol.
class IMapLayer {
public:
    // What a tap found: the highest select priority wins over the chart's
    // elements and the other layers.
    struct Selection {
        int selectPriority = -1;
        std::wstring title;
        std::wstring details;
    };

    virtual ~IMapLayer() = default;
    virtual int getPriority() const = 0;
    // Draws onto the panel; map.toPanel() places positions.
    virtual void render(Map2D& map) = 0;
    // Whether anything of the layer lies under the point (panel frame).
    virtual Selection selectAt(Map2D& /*map*/, PanelPoint /*point*/) { return {}; }
};
