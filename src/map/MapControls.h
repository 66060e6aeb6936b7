#pragma once
#include <irrlicht.h>

#include "map/view/MapControlsLayout.h"

class Map2D;

// Draws the map's controls where their layout puts them.
class MapControls {
public:
    void layOut(const irr::core::rect<int>& panel, int buttonWidth, int buttonHeight) {
        layout = MapControlsLayout::forPanel(panel.UpperLeftCorner.X, panel.UpperLeftCorner.Y,
                                             panel.LowerRightCorner.X, panel.LowerRightCorner.Y, buttonWidth,
                                             buttonHeight);
    }
    const MapControlsLayout& getLayout() const { return layout; }
    void draw(Map2D& map, bool trackUp, bool followShown) const;

private:
    MapControlsLayout layout;
};
