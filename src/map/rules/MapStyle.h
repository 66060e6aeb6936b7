#pragma once
#include <cstdint>

// Plain colours and line styles for the chart, free of the engine: the
// renderers turn them into engine colours when they draw.

struct MapColour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const MapColour& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

// The day style is a paper chart: a light ground with dark, saturated
// lines. The night style keeps each hue but lights the lines up and sinks
// the fills into the dark ground, so nothing glares in a dark cockpit.
enum class MapPalette { DAY, NIGHT };

enum class LinePattern { SOLID, DASHED, DOTTED, DASH_DOT };

// How a line or the outline and inside of an area are drawn. A fill with
// alpha 0 leaves the inside empty.
struct ShapeStyle {
    MapColour line;
    float lineWidthPixels = 1.0f;
    LinePattern pattern = LinePattern::SOLID;
    MapColour fill{0, 0, 0, 0};
};

// The ground the chart is drawn on.
MapColour getMapBackground(MapPalette palette);
// A day style as the night style shows it.
ShapeStyle toNightStyle(const ShapeStyle& day);
inline ShapeStyle inPalette(const ShapeStyle& day, MapPalette palette) {
    return palette == MapPalette::DAY ? day : toNightStyle(day);
}
