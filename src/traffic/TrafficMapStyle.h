#pragma once
#include <cstdint>
#include <string>

#include "sensors/Traffic_Data.h"

// What the map's traffic layer needs to know about a target, apart from
// drawing it: whether the altitude filter hides it, the colour of its label
// and the label's text.

// Label colour (ARGB) for an absolute altitude difference in feet: a
// gradient through 250, 450 and 750 ft, clamped outside; the dark palette is
// the night style's.
uint32_t calcTrafficColor(double absoluteDifferenceFeet, bool dark);

// The `trafficFilterAlt` setting: 0 shows everything; otherwise a target at
// or beyond the filter (either way) is hidden. Unknown altitudes are shown.
bool isHiddenByAltitudeFilter(bool altitudeKnown, double differenceFeet, int filterFeet);

// "?" when the altitude is unknown, else the difference in the pilot's unit
// rounded to tens, "+" before positive values; then the call sign.
std::wstring trafficLabel(const TrafficElement& target, bool altitudeKnown, double differenceMetres,
                          double metresToUnit);
