#pragma once
#include <string>

#include "base/UnitConverter.h"

class IChartElement;

// The text the map writes beside an element's symbol, in the pilot's units
// (a null converter stands for feet and nautical miles):
// - airspaces: class and vertical limits from bottom to top, "C 2500 ft - FL125";
// - VORs and NDBs: identifier and frequency, "WLD 112.300", "DO 355"; a
//   TACAN its channel, "BAY CH 102X";
// - obstacles: top and, in brackets, height above ground, "1234 (300)";
// - everything else: its short label (identifier or name).
std::wstring getMapLabel(const IChartElement& element, const units::UnitConverter* converter);
