// Whether, in which order and with which selection weight each renderer
// draws its elements: the map's drawing rules, asked with the facts of the
// picture being drawn.
#include "map/ElementRenderers.h"
#include "map/Map2D.h"
#include "map/rules/AltitudeChange.h"


bool VORRenderer::isPotentiallyRenderable(int32_t id, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isVORRenderable(id, bytes);
}
bool NDBRenderer::isPotentiallyRenderable(int32_t id, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isNDBRenderable(id, bytes);
}
bool WaypointRenderer::isPotentiallyRenderable(int32_t id, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isWaypointRenderable(id, bytes);
}
bool AirportRenderer::isPotentiallyRenderable(int32_t id, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isAirportRenderable(id, bytes);
}
bool MarkRenderer::isPotentiallyRenderable(int32_t, Map2D* map, const char*) {
    return map->getRenderFilter().isMarkRenderable();
}
bool AirspaceRenderer::isPotentiallyRenderable(int32_t, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isAirspaceRenderable(bytes);
}
bool AirwayRenderer::isPotentiallyRenderable(int32_t, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isAirwayRenderable(bytes);
}
bool ObstructionRenderer::isPotentiallyRenderable(int32_t, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isObstructionRenderable(bytes);
}
bool ObstructionRenderer::may2DMapPotentiallyChange(Map2D* map, const char* bytes, double oldAltitude,
                                                    double newAltitude) {
    return ::may2DMapPotentiallyChange(map->getRenderFacts(), bytes, oldAltitude, newAltitude);
}
bool GroundGeometryRenderer::isPotentiallyRenderable(int32_t, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isGroundGeometryRenderable(bytes);
}
bool POIRenderer::isPotentiallyRenderable(int32_t, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isPOIRenderable(bytes);
}
