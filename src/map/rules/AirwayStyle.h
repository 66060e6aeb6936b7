#pragma once
#include "map/rules/MapStyle.h"

// Airways as thin lines between their fixes: blue-grey for the low
// airways, brown for the high ones, as on enroute charts.
ShapeStyle getAirwayStyle(bool highAltitude, MapPalette palette);
