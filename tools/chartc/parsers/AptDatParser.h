#pragma once
#include "parsers/ParseSupport.h"

// apt.dat (X-Plane 1000 format, as FlightGear ships it, up to 1200):
// airports (row 1), seaplane bases (16) and heliports (17) with their land
// runways (100), water runways (101), helipads (102, heliports only),
// frequencies by service (50-56 in 10 kHz units, 1050-1056 in kHz),
// traffic-pattern sides (1101) and, as ground geometry,
// their taxiway and apron pavement (110 with the nodes 111-116, and the old
// rectangular taxiway rows 10). The returned list holds each airport
// followed by its pavement. Rows of codes the chart does not know are
// reported to sink, so that no data goes unnoticed.
ParsedElements parseAptDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink);
