#pragma once
#include "parsers/ParseSupport.h"

// OpenAir airspace text: "AC class", "AN name", "AH"/"AL" limits (FL95,
// 4500ft MSL, 1000ft AGL, SFC, UNL ...), "DP" polygon points, "V X=" arc
// and circle centre, "V D=+|-" arc direction, "DA" arcs by radius and
// angles, "DB" arcs between two points and "DC" circles (radii in nautical
// miles). Arcs and circles are sampled into polygon points.
ParsedElements parseOpenAir(std::istream& in, const std::string& fileName, const ParseErrorSink& sink);

// "49:12:30 N 123:10:00 W", "49:12.5N 123:10.2W" and the like.
bool parseOpenAirCoordinate(const std::string& text, ChartPosition& position);
// An altitude limit: feet and an AirspaceElement::AltitudeReference.
bool parseOpenAirAltitude(const std::string& text, int32_t& feet, uint8_t& reference);

// Arcs are sampled at this angular step.
constexpr double OPENAIR_ARC_STEP_DEG = 5.0;
