#include "map/rules/AirwayStyle.h"

namespace {
const ShapeStyle kLowAirway{{70, 110, 160, 255}, 1.5f, LinePattern::SOLID, {0, 0, 0, 0}};
const ShapeStyle kHighAirway{{140, 95, 50, 255}, 1.5f, LinePattern::SOLID, {0, 0, 0, 0}};
}  // namespace

ShapeStyle getAirwayStyle(bool highAltitude, MapPalette palette) {
    return inPalette(highAltitude ? kHighAirway : kLowAirway, palette);
}
