#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "map/rules/MapSettings.h"

// What the renderers decide from, gathered by the map once per render: the
// scale, the view, the own altitude, the pilot's settings and the elements
// the flight plan needs to see whatever the scale.
struct MapRenderFacts {
    // Square degrees of the view per full screen (the map's M): the same
    // value for a full-screen map and a quarter-screen one at equal ground
    // scale.
    double scale = 1.0;
    // The visible area on the ground, m².
    double visibleAreaSquareMetres = 0.0;
    // From the default altitude source, 0 without one.
    double ownAltitudeFeet = 0.0;
    MapSettings settings;
    // Element identifiers, each list sorted ascending. Procedure targets are
    // the waypoints and navaids the procedures lead to; flight-plan airports
    // the airports of the active flight plan.
    std::vector<int32_t> procedureTargets;
    std::vector<int32_t> flightPlanAirports;
    // Bit i set: airspaces of static class i are on the pilot's blacklist of
    // irrelevant classes (see irrelevantStaticAirspaceClasses).
    uint16_t irrelevantAirspaceClasses = 0;
};

// The static airspace classes the check calls irrelevant, one bit per class
// index. The map passes the panel manager's blacklist check; class 0 (every
// class without a place in the static data) never counts as irrelevant.
uint16_t irrelevantStaticAirspaceClasses(const std::function<bool(const std::string&)>& isIrrelevantAirspace);
