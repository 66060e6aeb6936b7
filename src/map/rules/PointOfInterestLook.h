#pragma once
#include "map/rules/MapStyle.h"

// How a point of interest shows: mostly as its name, sized by the place's
// importance; settlements with a dot, peaks and volcanoes with their
// triangle and water in italic blue.
enum class POIMarker { NONE, DOT, PEAK, VOLCANO };

struct POILook {
    POIMarker marker = POIMarker::NONE;
    float markerRadiusPixels = 0.0f;
    float textScale = 1.0f;  // of the map's text size
    bool italic = false;
    MapColour text;
};

// Types out of range look like villages.
POILook getPOILook(int poiType, MapPalette palette);
