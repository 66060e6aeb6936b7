#pragma once
#include <vector>

// Whether a tap lands on what a renderer drew, in the map's pixels (after
// its projection): a symbol, a line such as an airway or a road, or an
// area such as an airspace or a lake. The tolerance lets a finger hit a
// one-pixel line.

struct ScreenPoint {
    double x = 0.0;
    double y = 0.0;
};

bool hitsSymbol(ScreenPoint tap, ScreenPoint centre, double radiusPixels);
// Within the tolerance of one of the segments; a single point counts as a symbol.
bool hitsPolyline(ScreenPoint tap, const std::vector<ScreenPoint>& line, double tolerancePixels);
// Inside the closed polygon (even-odd rule, so holes drawn by a polygon
// crossing itself stay out) or within the tolerance of its border.
bool hitsArea(ScreenPoint tap, const std::vector<ScreenPoint>& polygon, double tolerancePixels);
