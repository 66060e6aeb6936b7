#pragma once
#include <irrlicht.h>

#include <string>
#include <vector>

#include "geo/ChartPosition.h"

class Map2D;

// Labels are drawn only while the map is close enough to read them: at a
// scale measure up to this (square degrees per screen).
constexpr double kLabelScaleLimit = 6.0;

// The chart's labels: collected while a picture is drawn, then placed on
// the panel so that they overlap as little as possible, and drawn upright
// over the picture every frame, also while the track-up map turns.
class MapLabels {
public:
    struct Label {
        std::wstring text;
        ChartPosition anchor;
        irr::video::SColor colour;
    };
    using Set = std::vector<Label>;

    // A new set to place (when the picture changes).
    void take(Map2D& map, const Set& labels);
    void draw(Map2D& map);
    void clear() { placed.clear(); }

private:
    struct Placed {
        Label label;
        float dx, dy;  // upper left corner from the anchor, pixels
        irr::core::dimension2d<irr::u32> size;
    };
    std::vector<Placed> placed;
};
