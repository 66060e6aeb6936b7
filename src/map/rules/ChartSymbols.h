#pragma once
#include <vector>

class AirportElement;
class NDBElement;
class VORElement;

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

enum class NavaidSymbol { VOR, VOR_DME, VORTAC, TACAN, DME, NDB };

// A VOR record without a VOR of its own (a DME standing alone, written as
// "VORDME" by some sources, but named after the DME) shows as a DME.
NavaidSymbol chooseNavaidSymbol(const VORElement& vor);
NavaidSymbol chooseNavaidSymbol(const NDBElement& ndb);
