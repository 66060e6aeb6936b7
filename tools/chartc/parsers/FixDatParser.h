#pragma once
#include "parsers/ParseSupport.h"

// fix.dat: one fix per line, "latitude longitude ident" (600 format), with
// the airport ("ENRT" for en-route fixes), ICAO region and waypoint type
// after the ident from 1100 on, and a name after those in 1200.
ParsedElements parseFixDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink);
