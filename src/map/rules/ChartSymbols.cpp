#include "map/rules/ChartSymbols.h"

#include <cmath>

#include "chart/elements/AirportElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/VORElement.h"

namespace {

AirportSymbol symbolOf(const AirportElement& a) {
    if (a.closed) return AirportSymbol::CLOSED;
    if (a.heliport) return AirportSymbol::HELIPORT;
    if (a.military) return AirportSymbol::MILITARY;
    if (a.glider) return AirportSymbol::GLIDER;
    if (a.privateUse) return AirportSymbol::PRIVATE;
    return a.towered ? AirportSymbol::TOWERED : AirportSymbol::UNTOWERED;
}

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
