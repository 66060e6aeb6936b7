// Whether each renderer draws an element, from the map's drawing rules
// asked with the facts of the picture being drawn.
#include "map/ElementRenderers.h"
#include "map/Map2D.h"
#include "map/rules/AltitudeChange.h"

bool ARenderer::isPotentiallyRenderable(int32_t id, Map2D* map, const char* bytes) {
    return map->getRenderFilter().isPotentiallyRenderable(id, bytes);
}

bool ObstructionRenderer::may2DMapPotentiallyChange(Map2D* map, const char* bytes, double oldAltitude,
                                                    double newAltitude) {
    return ::may2DMapPotentiallyChange(map->getRenderFacts(), bytes, oldAltitude, newAltitude);
}
