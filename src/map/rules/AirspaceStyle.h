#pragma once
#include "map/rules/AirspaceCategory.h"
#include "map/rules/MapStyle.h"

// The border and tint of an airspace: blue for controlled airspace, heavier
// the stricter the class; red for control zones and for danger,
// restricted and prohibited areas, tinted inside; purple dots for
// transponder and radio mandatory zones; grey for flight information
// region boundaries.
ShapeStyle getAirspaceStyle(AirspaceCategory category, MapPalette palette);
