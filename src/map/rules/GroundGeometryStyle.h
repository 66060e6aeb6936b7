#pragma once
#include "map/rules/MapStyle.h"

// Ground geometry is drawn under everything else, and among itself in
// layers: water at the bottom, then buildings, roads and railways, the
// airport's paved surfaces, its markings, and borders on top. The feature
// priority counts down through these layers (a larger one lies lower);
// the renderer's drawing priority is 300 minus it.
int getGroundFeaturePriority(int kind);

// Line and, for area geometry, fill of a kind; kinds out of range look
// like UNKNOWN_KIND.
ShapeStyle getGroundGeometryStyle(int kind, bool isArea, MapPalette palette);
