#pragma once
// Fully populated elements of every kind and field-by-field comparisons,
// shared by the record, INI and factory tests.
#include "chart/elements/ElementFactories.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

AirportElement makeSampleAirport();
AirspaceElement makeSampleAirspace();
AirwayElement makeSampleAirway();
ObstructionElement makeSampleObstruction();
WaypointElement makeSampleWaypoint();
MarkElement makeSampleMark();
NDBElement makeSampleNDB();
VORElement makeSampleVOR();
GroundGeometryElement makeSampleGroundGeometry();
POIElement makeSamplePOI();

void expectSameElement(const IChartElement& expected, const IChartElement& actual);

std::string recordOf(const IChartElement& element);
