#pragma once
// Fully populated elements of every kind (their records are the fuzz corpus
// seeds), and their comparison through the kinds' field lists.
#include "chart/elements/ElementFactories.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

AirportElement makeSampleAirport();
AirspaceElement makeSampleAirspace();
AirwayElement makeSampleAirway();
WaypointElement makeSampleWaypoint();
MarkElement makeSampleMark();
NDBElement makeSampleNDB();
VORElement makeSampleVOR();
GroundGeometryElement makeSampleGroundGeometry();
POIElement makeSamplePOI();
std::vector<std::unique_ptr<IChartElement>> makeAllSamples();  // one of each kind, in type code order
std::string fieldsOf(const IChartElement& element);            // type code and every record field
std::string recordOf(const IChartElement& element);
