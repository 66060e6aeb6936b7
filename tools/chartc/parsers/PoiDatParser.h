#pragma once
#include "parsers/ParseSupport.h"

// poi.dat (FlightGear, data from OpenStreetMap): "ID latitude longitude
// name" with ID 10 country, 12 city, 13 town, 14 village; "#" starts a
// comment line.
ParsedElements parsePoiDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink);
