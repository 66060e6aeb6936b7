#pragma once
#include <cstdint>

// Values read back from the static bytes the way the map's rules compare
// them, so that a limit given in the chart data in whole feet compares
// exactly again after the squeeze into 12 or 16 bits.

// Obstacles are not shown above this scale (M, square degrees per screen).
constexpr double kObstructionScaleLimit = 15.0;
// Obstacles are shown while the own altitude is at most this far above
// their top.
constexpr double kObstacleVisibilityLineFeet = 1100.0;

// The obstruction top in whole feet. One step of the 16-bit form is 0.48 ft,
// so rounding gives back the chart's value.
int staticObstructionTopFeet(uint16_t staticWord);

// The airspace bottom rounded to 10 ft. One step of the 12-bit form is
// 7.6 ft: published limits, all multiples of 10 ft, come back exactly, so a
// bottom of 10000 ft lies above 9999 ft as the pilot expects.
int staticAirspaceBottomFeet(uint16_t staticWord);

// Whether an obstacle with this top matters at this own altitude.
inline bool isObstacleBelowVisibilityLine(int topFeet, double ownAltitudeFeet) {
    return ownAltitudeFeet - topFeet <= kObstacleVisibilityLineFeet;
}
