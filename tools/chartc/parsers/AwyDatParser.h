#pragma once
#include "parsers/ParseSupport.h"

// awy.dat: one segment per line, usage 1 for low and 2 for high altitude,
// base and top in hundreds of feet, names joined by "-" when airways share
// the segment. The 640 format gives the ends' positions ("ident lat lon
// ident lat lon usage base top names"); from 1100 on the ends are fixes and
// navaids named by ident, region and kind, with a direction column, and are
// placed by the points given (the fixes and navaids read before); a segment
// whose end is not among them is reported and skipped.
ParsedElements parseAwyDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink,
                           const ParsedElements* points = nullptr);

// Marks the waypoints, NDBs and VORs that are end points of airway segments
// (same ident, within a few hundred metres) as used by airways, with the
// segments' high/low usage.
void markAirwayUsage(ParsedElements& points, const ParsedElements& airways);
