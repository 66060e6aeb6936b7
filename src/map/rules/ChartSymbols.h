#pragma once
#include <cstdint>

#include "map/rules/MapStyle.h"

class AirportElement;
class NDBElement;
class ObstructionElement;
class VORElement;
class WaypointElement;

// Which symbol the map draws for a point element, decided here so that the
// renderers only draw the picture they are told.

enum class AirportSymbol {
    CLOSED,     // a cross over the field
    HELIPORT,   // an "H" in a circle
    MILITARY,   // a circle with a bar
    GLIDER,     // a circle with a glider's wings
    PRIVATE,    // an open circle with an "R" (restricted use)
    TOWERED,    // a filled circle with the runway cut out
    UNTOWERED,  // an open circle with the runway inside
};

struct AirportSymbolChoice {
    AirportSymbol symbol = AirportSymbol::UNTOWERED;
    // The longest runway, which the symbol is rotated to show; none for
    // fields without runways.
    bool hasRunway = false;
    double runwayHeadingDegrees = 0.0;  // true, in [0, 180): a runway has two ends
    bool hardSurface = false;           // the longest runway is paved
};

// Closed fields first, then heliports (with no runways of their own
// besides helipads), military, glider, private, towered and the rest.
AirportSymbolChoice chooseAirportSymbol(const AirportElement& airport);
// The symbol's colour on the day chart: towered fields blue, the rest magenta.
MapColour getAirportSymbolColour(AirportSymbol symbol);

enum class NavaidSymbol { VOR, VOR_DME, VORTAC, TACAN, DME, NDB };

// A VOR record without a VOR of its own (a DME standing alone, written as
// "VORDME" by some sources, but named after the DME) shows as a DME.
NavaidSymbol chooseNavaidSymbol(const VORElement& vor);
NavaidSymbol chooseNavaidSymbol(const NDBElement& ndb);

enum class WaypointSymbol {
    REPORTING_POINT,  // a filled triangle
    IFR_FIX,          // an open triangle: a point of the airway network
    USER_WAYPOINT,    // the pilot's own: a cross in a circle
    WAYPOINT,         // any other: a four-pointed star
};

// Custom waypoints have negative identifiers.
WaypointSymbol chooseWaypointSymbol(const WaypointElement& waypoint, int32_t id);

// An obstacle: the mast symbol, doubled for a group, with rays when it is
// lit, drawn larger when it is exceptionally high (1000 ft or more above
// the ground), and coloured by the clearance of the own altitude above
// its top: red at 500 ft or less, amber up to the line of 1100 ft below
// which obstacles are shown, grey above it (shown only with low obstacles).
struct ObstacleLook {
    bool group = false;
    bool lit = false;
    bool exceptionallyHigh = false;
    MapColour colour;
};

ObstacleLook chooseObstacleLook(const ObstructionElement& obstacle, double ownAltitudeFeet, MapPalette palette);
