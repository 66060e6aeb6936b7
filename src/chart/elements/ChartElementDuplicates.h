#pragma once
#include "geo/ChartPosition.h"

// Two records of the same kind and identifier closer than this describe one
// object (the nav-data sources list many navaids and fixes twice, once per
// region or airway that uses them).
constexpr double DUPLICATE_ELEMENT_DISTANCE_M = 2000.0;

bool areDuplicatePositions(const ChartPosition& a, const ChartPosition& b);
