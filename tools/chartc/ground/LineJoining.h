#pragma once
#include "geo/ChartPosition.h"

#include <vector>

// Joins lines that continue one another (the end of one is the start of the
// next, to a micro-degree) into longer lines, the way GSHHG's shores, cut
// at its bins, fit back together. A joined line whose end meets its start
// is a closed ring: isClosedRing tells.
std::vector<std::vector<ChartPosition>> joinLines(std::vector<std::vector<ChartPosition>> lines);
bool isClosedRing(const std::vector<ChartPosition>& line);
