#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "chart/elements/IChartElement.h"
#include "chart/elements/StaticData.h"
#include "map/rules/MapRenderFacts.h"

// Whether an element is worth loading and drawing, decided from its three
// static bytes alone: the map asks this for every element of every visible
// leaf, millions per render, before it loads a single one.
//
// Made once per render from the facts of that render: every rule that
// depends only on the scale, the settings and the own altitude is turned
// into a table over the flag bits or into a limit on the encoded altitude
// or area, so the test per element is a switch on the type and a lookup
// or two, without floating point. The facts must outlive the filter (the
// flight-plan lists are read from them).
class StaticRenderFilter {
public:
    explicit StaticRenderFilter(const MapRenderFacts& facts);

    bool isPotentiallyRenderable(int32_t id, const char* staticData) const {
        switch (getStaticType(staticData)) {
        case IChartElement::AIRSPACE:
            return isAirspaceRenderable(staticData);
        case IChartElement::AIRWAY:
            return isAirwayRenderable(staticData);
        case IChartElement::OBSTRUCTION:
            return isObstructionRenderable(staticData);
        case IChartElement::WAYPOINT:
            return isWaypointRenderable(id, staticData);
        case IChartElement::MARK:
            return marksShown;
        case IChartElement::NDB:
            return isNavaidRenderable(ndbByUsage, id, staticData);
        case IChartElement::VOR:
            return isNavaidRenderable(vorByUsage, id, staticData);
        case IChartElement::AIRPORT:
            return isAirportRenderable(id, staticData);
        case IChartElement::GROUNDGEOMETRY:
            return isGroundGeometryRenderable(staticData);
        case IChartElement::POI:
            return poiByType[flagByte(staticData)];
        default:
            return false;
        }
    }

    bool isAirportRenderable(int32_t id, const char* staticData) const {
        const uint8_t flags = flagByte(staticData) & 0x7F;
        return airportByFlags[flags] || (airportOfPlanByFlags[flags] && contains(facts.flightPlanAirports, id));
    }
    bool isAirspaceRenderable(const char* staticData) const {
        const uint16_t word = getStaticWord(staticData);
        return airspaceByClass[word >> 12] && static_cast<int>(word & 0x0FFF) <= highestAirspaceBottomCode;
    }
    bool isAirwayRenderable(const char* staticData) const { return airwayByUsage[flagByte(staticData) & 0x03]; }
    bool isObstructionRenderable(const char* staticData) const {
        return static_cast<int>(getStaticWord(staticData)) >= lowestObstructionTopCode;
    }
    bool isWaypointRenderable(int32_t id, const char* staticData) const {
        return id < 0 || waypointByFlags[flagByte(staticData) & 0x1F] ||
               (waypointTargetsShown && contains(facts.procedureTargets, id));
    }
    bool isNDBRenderable(int32_t id, const char* staticData) const {
        return isNavaidRenderable(ndbByUsage, id, staticData);
    }
    bool isVORRenderable(int32_t id, const char* staticData) const {
        return isNavaidRenderable(vorByUsage, id, staticData);
    }
    bool isMarkRenderable() const { return marksShown; }
    bool isPOIRenderable(const char* staticData) const { return poiByType[flagByte(staticData)]; }
    bool isGroundGeometryRenderable(const char* staticData) const {
        switch (groundByFlags[static_cast<uint8_t>(staticData[2])]) {
        case SHOWN:
            return true;
        case SHOWN_IF_LARGE:
            return flagByte(staticData) >= smallestGroundAreaByte;
        default:
            return false;
        }
    }

    // What the scale and the settings say about a ground-geometry element
    // with given flags (static byte 2); areas of water are also weighed
    // against the view.
    enum GroundDecision : uint8_t { HIDDEN, SHOWN, SHOWN_IF_LARGE };

private:
    static uint8_t flagByte(const char* staticData) { return static_cast<uint8_t>(staticData[1]); }
    static bool contains(const std::vector<int32_t>& sorted, int32_t id) {
        return !sorted.empty() && std::binary_search(sorted.begin(), sorted.end(), id);
    }
    bool isNavaidRenderable(const bool* byUsage, int32_t id, const char* staticData) const {
        return byUsage[flagByte(staticData) & 0x07] || contains(facts.procedureTargets, id);
    }

    const MapRenderFacts& facts;
    bool airportByFlags[128];
    bool airportOfPlanByFlags[128];
    bool airspaceByClass[16];
    int highestAirspaceBottomCode;  // -1: none
    bool airwayByUsage[4];
    int lowestObstructionTopCode;  // 65536: none
    bool waypointByFlags[32];
    bool waypointTargetsShown;
    bool ndbByUsage[8];
    bool vorByUsage[8];
    bool marksShown;
    bool poiByType[256];
    GroundDecision groundByFlags[256];
    int smallestGroundAreaByte;  // 256: none
};
