#pragma once
#include "chart/elements/IChartElement.h"

class AirspaceElement;

// The order in which the map draws the elements it has let through
// (ascending getPriority: navaids end on top of airports, airports on top
// of airspaces, ground geometry at the bottom) and which element a tap
// selects among several under the finger (the highest getSelectPriority).

int getPriority(const IChartElement& element);
int getSelectPriority(const IChartElement& element);

// Airspaces: 401 upwards, the stricter categories over the others and,
// within a category, the lower airspaces over the higher ones.
int getAirspacePriority(const AirspaceElement& airspace);
// Airspaces: from 100400 upwards, the smaller the higher, so a tap inside
// a control zone picks the zone and not the wide area around it.
int getAirspaceSelectPriority(const AirspaceElement& airspace);
