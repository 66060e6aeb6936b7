#include "map/rules/ChartSymbols.h"

#include <cmath>

#include "chart/elements/AirportElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/ObstructionElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"
#include "map/rules/StaticRenderValues.h"

namespace {

AirportSymbol symbolOf(const AirportElement& a) {
    if (a.closed) return AirportSymbol::CLOSED;
    if (a.heliport) return AirportSymbol::HELIPORT;
    if (a.military) return AirportSymbol::MILITARY;
    if (a.glider) return AirportSymbol::GLIDER;
    if (a.privateUse) return AirportSymbol::PRIVATE;
    return a.towered ? AirportSymbol::TOWERED : AirportSymbol::UNTOWERED;
}

constexpr int kExceptionallyHighFeet = 1000;
constexpr double kObstacleDangerClearanceFeet = 500.0;

const MapColour kObstacleDanger{220, 0, 0, 255};
const MapColour kObstacleCaution{235, 150, 0, 255};
const MapColour kObstacleClear[] = {{90, 90, 90, 255}, {170, 170, 170, 255}};  // day, night

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

AirportSymbolChoice chooseAirportSymbol(const AirportElement& airport) {
    AirportSymbolChoice choice;
    choice.symbol = symbolOf(airport);
    const Runway* longest = nullptr;
    for (const Runway& runway : airport.runways)
        if (!longest || runway.length > longest->length) longest = &runway;
    if (longest) {
        choice.hasRunway = true;
        choice.runwayHeadingDegrees = std::fmod(longest->getEndDirection(0), 180.0);
        choice.hardSurface = longest->surface == Runway::SOLID;
    }
    return choice;
}

NavaidSymbol chooseNavaidSymbol(const VORElement& vor) {
    switch (vor.vorType) {
    case VORElement::VORDME:
        return endsWith(vor.name, " DME") && vor.name.find("VOR") == std::string::npos ? NavaidSymbol::DME
                                                                                       : NavaidSymbol::VOR_DME;
    case VORElement::VORTAC:
        return NavaidSymbol::VORTAC;
    case VORElement::TACAN:
        return NavaidSymbol::TACAN;
    default:
        return NavaidSymbol::VOR;
    }
}

NavaidSymbol chooseNavaidSymbol(const NDBElement&) { return NavaidSymbol::NDB; }

WaypointSymbol chooseWaypointSymbol(const WaypointElement& waypoint, int32_t id) {
    if (id < 0) return WaypointSymbol::USER_WAYPOINT;
    if (waypoint.rp) return WaypointSymbol::REPORTING_POINT;
    return waypoint.usedByAirways ? WaypointSymbol::IFR_FIX : WaypointSymbol::WAYPOINT;
}

ObstacleLook chooseObstacleLook(const ObstructionElement& obstacle, double ownAltitudeFeet, MapPalette palette) {
    ObstacleLook look;
    look.group = obstacle.group;
    look.lit = obstacle.knownLighting;
    look.exceptionallyHigh = obstacle.heightAGL >= kExceptionallyHighFeet;
    const double clearance = ownAltitudeFeet - obstacle.topMSL;
    if (clearance <= kObstacleDangerClearanceFeet) look.colour = kObstacleDanger;
    else if (isObstacleBelowVisibilityLine(obstacle.topMSL, ownAltitudeFeet)) look.colour = kObstacleCaution;
    else look.colour = kObstacleClear[palette == MapPalette::DAY ? 0 : 1];
    return look;
}

MapColour getAirportSymbolColour(AirportSymbol symbol) {
    return symbol == AirportSymbol::TOWERED ? MapColour{0, 90, 200, 255} : MapColour{170, 0, 140, 255};
}
