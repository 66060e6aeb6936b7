#pragma once
#include <irrlicht.h>

#include <string>
#include <vector>

#include "geo/ChartPosition.h"
#include "map/labels/ConcurrentRectangleGradientDescent.h"
#include "map/view/MapPlacement.h"

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
    // Each frame: takes the optimised places once they are ready (and places
    // anew when the turned map has turned far), then draws.
    void draw(Map2D& map);
    void clear() { placed.clear(), optimiser.abort(), optimising = false, baked = false; }

private:
    // Asks the worker for places where the labels overlap least.
    void optimise(Map2D& map);
    // On the panel, or into the chart picture shown.
    void paint(Map2D& map, bool intoPicture);

    struct Placed {
        Label label;
        float dx, dy;  // upper left corner from the anchor, pixels
        irr::core::dimension2d<irr::u32> size;
    };
    std::vector<Placed> placed;
    ConcurrentRectangleGradientDescent optimiser;
    bool optimising = false;
    bool baked = false;  // painted into the chart picture
    std::vector<PanelPoint> anchorsAtStart;  // panel frame, when optimise() started
    double trackAtStart = 0.0;
};
