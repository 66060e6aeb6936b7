#pragma once
#include "map/rules/MapRenderFacts.h"

// Whether a change of the own altitude alone can change how an element is
// drawn, judged from its static bytes; when no element of the view says
// yes, the map keeps its rendered chart and redraws only the overlays.
// Altitudes in feet; the facts give the scale and the settings.
//
// Only obstructions depend on the altitude: one may cross the line below
// which it is shown, and a shown one is coloured by its clearance, which
// is worth a new picture once the altitude moved by more than 20 m.
bool may2DMapPotentiallyChange(const MapRenderFacts& facts, const char* staticData, double oldAltitudeFeet,
                               double newAltitudeFeet);
