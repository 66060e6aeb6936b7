#include "traffic/TrafficWarning.h"

#include <cctype>
#include <cmath>

#include "geo/Angles.h"
#include "geo/Geodesy.h"
#include "traffic/TrafficTracking.h"

namespace {
constexpr double kMetresPerNm = 1852.0;
constexpr double kFeetToMetres = 0.3048;
constexpr double kNoRangeMetres = 999999.9999999999;
constexpr double kNoClosestYet = 1000000.0;
const wchar_t* const kBandText[BAND_COUNT] = {L"<2.0NM", L"<1.0NM", L"<0.5NM"};

enum SourceKind { FLARM, ADSB, MODE_S };

struct Band {
    int count = 0;
    double smallestDifference = 999999.0;  // metres, signed, of the smallest magnitude
    bool allHaveAltitude = true;
    bool sawPositionless = false;
    SourceKind kind = MODE_S;
};

std::string upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::wstring widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring bandLine(TrafficBand index, const Band& band, const TrafficWarningInput& input) {
    std::wstring line = kBandText[index];
    if (band.allHaveAltitude) {
        const long shown = std::lround(band.smallestDifference * input.altitudeFactor / 10.0) * 10;
        line += shown >= 0 ? L" +" : L" ";
        line += std::to_wstring(shown) + input.altitudeLabel + L" ";
    }
    line += band.kind == FLARM ? L" FLARM " : band.kind == ADSB ? L" ADS-B " : L" Mode-S/C ";
    return line + std::to_wstring(band.count) + L"x\n";
}
}  // namespace

bool isOwnAircraft(const TrafficElement& target, const OwnAircraftIdentity* own) {
    if (!own) return false;
    if (target.icaoAddress != 0 && target.icaoAddress == own->icaoAddress) return true;
    return !target.name.empty() && upper(target.name) == upper(own->registration);
}

TrafficRange trafficRange(const TrafficElement& target, const ChartPosition& own) {
    if (target.hasPosition()) {
        const double metres = calcDistance2(own, ChartPosition(target.longitude, target.latitude));
        const double nm = metres / kMetresPerNm;
        const TrafficBand band = nm < 0.5 ? BAND_HALF_NM : nm < 1.0 ? BAND_1NM : nm < 2.0 ? BAND_2NM : NO_BAND;
        return {metres, band};
    }
    switch (target.capabilityIndex) {
    case 8:
        return {2778.0, BAND_2NM};
    case 9:
        return {926.0, BAND_1NM};
    case 10:
        return {463.0, BAND_HALF_NM};
    default:
        return {kNoRangeMetres, NO_BAND};
    }
}

int clockPosition(double bearingToTarget, double ownHeading) {
    const int clock = int(std::lround(Angle0to360(bearingToTarget - ownHeading) / 30.0));
    return clock == 0 ? 12 : clock;
}

void forEachCountingTarget(const std::map<unsigned, TrafficElement*>& traffic, const TrafficWarningInput& input,
                           const std::function<void(const CountingTarget&)>& visit) {
    const double limitMetres = input.warningAltitudeFeet * kFeetToMetres;
    for (const auto& entry : traffic) {
        const TrafficElement& e = *entry.second;
        if (isOwnAircraft(e, input.ownAircraft)) continue;
        double difference = 0;
        const bool hasAltitude = input.altitudeDifference && input.altitudeDifference(difference, &e);
        if (hasAltitude && std::fabs(difference) > limitMetres) continue;
        visit({&e, hasAltitude, difference, trafficRange(e, input.own)});
    }
}

TrafficWarning computeTrafficWarning(const std::map<unsigned, TrafficElement*>& traffic,
                                     const TrafficWarningInput& input) {
    Band bands[BAND_COUNT];
    TrafficWarning warning;
    double nearest = kNoClosestYet;
    forEachCountingTarget(traffic, input, [&](const CountingTarget& t) {
        const TrafficElement& e = *t.element;
        warning.active = true;
        if (t.range.metres < nearest) {
            nearest = t.range.metres;
            warning.closest = &e;
        }
        if (t.range.band == NO_BAND) return;
        Band& band = bands[t.range.band];
        if (t.hasAltitude && std::fabs(t.altitudeDifference) < std::fabs(band.smallestDifference))
            band.smallestDifference = t.altitudeDifference;
        ++band.count;
        if (!t.hasAltitude) band.allHaveAltitude = false;
        if (!e.hasPosition()) band.sawPositionless = true;
        band.kind = (e.icaoAddress & kFlarmAddressBit)           ? FLARM
                    : (e.hasPosition() && !band.sawPositionless) ? ADSB
                                                                 : MODE_S;
    });
    if (!warning.active) return warning;

    warning.text = L"TRAFFIC WARNING:\n";
    for (int b = BAND_HALF_NM; b >= BAND_2NM; --b)
        if (bands[b].count) warning.text += bandLine(TrafficBand(b), bands[b], input);
    if (const TrafficElement* c = warning.closest) {
        warning.text += L"Closest:";
        std::string name;
        for (char ch : c->name)
            if (ch != ' ') name += ch;
        if (!name.empty()) warning.text += L" Callsign: " + widen(name);
        if (input.headingKnown && c->hasPosition()) {
            const double bearing = calcBearing2(input.own, ChartPosition(c->longitude, c->latitude));
            warning.text += L" (" + std::to_wstring(clockPosition(bearing, input.heading)) + L" o'clock)";
        }
    }
    if (bands[BAND_HALF_NM].count || bands[BAND_1NM].count) warning.colour = 2;
    else if (bands[BAND_2NM].count) warning.colour = 1;
    return warning;
}
