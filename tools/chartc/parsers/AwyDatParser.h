#pragma once
#include "parsers/ParseSupport.h"

// awy.dat (640 format): one segment per line, "ident lat lon ident lat lon
// usage base top names", usage 1 for low and 2 for high altitude, base and
// top in hundreds of feet, names joined by "-" when airways share the segment.
ParsedElements parseAwyDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink);

// Marks the waypoints, NDBs and VORs that are end points of airway segments
// (same ident, within a few hundred metres) as used by airways, with the
// segments' high/low usage.
void markAirwayUsage(ParsedElements& points, const ParsedElements& airways);
