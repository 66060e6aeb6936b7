#pragma once
#include "parsers/ParseSupport.h"

#include <istream>
#include <string>

// Reads a GeoJSON FeatureCollection (or a single Feature) of LineStrings,
// Polygons and their Multi forms into ground-geometry elements.
//
// The kind of a feature comes from its properties:
//   "layer" ("gshhs", "border" or "river") with "level": as the lines of
//     GSHHG (GroundKinds.h), lake shores joined into rings across
//     features, so that an extract of GSHHG compiles to what the netCDF
//     files give; a level GSHHG's mapping leaves out is skipped; these
//     lines take no name;
//   otherwise "kind": the name of a ground-geometry kind as
//     GroundGeometryElement::getKindName spells it, in any case ("coastline",
//     "Water", "Border along a river"), or its number 0-20.
// "name", when present, names the element.
// A polygon's outer ring becomes an area that carries its size; its inner
// rings (islands in a lake) become lines of the same kind, since an
// element holds one ring.
//
// A fault is not skipped: the first one ends the reading with the feature's
// number (counted from 1) and line in error, and no element of the file is
// handed out, so a chart is never compiled from half a file.
bool readGeoJSON(std::istream& in, const std::string& fileName, ParsedElements& elements, ParseError& error);
