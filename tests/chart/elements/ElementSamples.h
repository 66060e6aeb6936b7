#pragma once
// Fully populated elements of every kind, and their comparison through the
// kinds' field lists, shared by the record, INI and factory tests.
#include "chart/elements/ElementFactories.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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
// One of each kind, in type code order.
std::vector<std::unique_ptr<IChartElement>> makeAllSamples();

// The type code and every record field, one per line: two elements hold the
// same data exactly when these are equal, and a failed EXPECT_EQ shows the
// fields that differ.
std::string fieldsOf(const IChartElement& element);
std::string recordOf(const IChartElement& element);
