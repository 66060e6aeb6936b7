#include "map/rules/PointOfInterestLook.h"

#include "chart/elements/POIElement.h"

namespace {

enum Ink { PLACE, WATER, TERRAIN };

struct Look {
    POIMarker marker;
    float radius;
    float textScale;
    Ink ink;
};

// By POIElement::POIType.
const Look kLooks[POIElement::POI_TYPE_COUNT] = {
    {POIMarker::NONE, 0, 1.6f, PLACE},       // country
    {POIMarker::NONE, 0, 1.3f, PLACE},       // state
    {POIMarker::NONE, 0, 1.2f, PLACE},       // region
    {POIMarker::NONE, 0, 1.2f, PLACE},       // province
    {POIMarker::NONE, 0, 1.1f, PLACE},       // district
    {POIMarker::NONE, 0, 1.1f, PLACE},       // county
    {POIMarker::DOT, 3, 1.1f, PLACE},        // municipality
    {POIMarker::DOT, 4, 1.2f, PLACE},        // city
    {POIMarker::DOT, 2, 0.9f, PLACE},        // borough
    {POIMarker::DOT, 2, 0.8f, PLACE},        // suburb
    {POIMarker::DOT, 3, 1.0f, PLACE},        // town
    {POIMarker::DOT, 2, 0.9f, PLACE},        // village
    {POIMarker::DOT, 1.5f, 0.8f, PLACE},     // hamlet
    {POIMarker::NONE, 0, 1.8f, PLACE},       // continent
    {POIMarker::NONE, 0, 1.1f, TERRAIN},     // archipelago
    {POIMarker::NONE, 0, 1.0f, TERRAIN},     // island
    {POIMarker::NONE, 0, 0.8f, TERRAIN},     // islet
    {POIMarker::NONE, 0, 1.3f, WATER},       // sea
    {POIMarker::NONE, 0, 1.6f, WATER},       // ocean
    {POIMarker::PEAK, 4, 0.9f, TERRAIN},     // peak
    {POIMarker::VOLCANO, 4, 0.9f, TERRAIN},  // volcano
    {POIMarker::NONE, 0, 0.8f, WATER},       // small lake
    {POIMarker::NONE, 0, 0.9f, WATER},       // lake of about 1 km²
    {POIMarker::NONE, 0, 1.0f, WATER},       // lake of about 10 km²
    {POIMarker::NONE, 0, 1.2f, WATER},       // lake of about 400 km²
};

// Day and night inks.
const MapColour kInks[3][2] = {{{30, 30, 30, 255}, {220, 220, 210, 255}},
                               {{30, 90, 170, 255}, {120, 170, 230, 255}},
                               {{100, 70, 40, 255}, {200, 170, 130, 255}}};

}  // namespace

POILook getPOILook(int poiType, MapPalette palette) {
    const bool known = poiType >= 0 && poiType < POIElement::POI_TYPE_COUNT;
    const Look& look = kLooks[known ? poiType : POIElement::VILLAGE];
    POILook result;
    result.marker = look.marker;
    result.markerRadiusPixels = look.radius;
    result.textScale = look.textScale;
    result.italic = look.ink == WATER;
    result.text = kInks[look.ink][palette == MapPalette::DAY ? 0 : 1];
    return result;
}
