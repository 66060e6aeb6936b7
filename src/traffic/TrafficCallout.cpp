#include "traffic/TrafficCallout.h"

#include <algorithm>
#include <cmath>

#include "geo/Geodesy.h"

namespace {
constexpr double kMetresPerNm = 1852.0;
// Climb or descent below this is not worth the pilot's attention.
constexpr int kLevelFpm = 300;
const char* const kNumbers[] = {"zero",  "one",   "two",  "three", "four",   "five",  "six",
                                "seven", "eight", "nine", "ten",   "eleven", "twelve"};

std::string distanceWords(double metres) {
    const double nm = metres / kMetresPerNm;
    if (nm < 0.75) return "half a mile";
    const long miles = std::lround(nm);
    if (miles <= 12) return std::string(kNumbers[miles]) + (miles == 1 ? " mile" : " miles");
    return std::to_string(miles) + " miles";
}

std::string altitudeWords(double feet) {
    const long hundreds = std::lround(feet / 100.0) * 100;
    if (hundreds == 0) return "same altitude";
    return std::to_string(std::labs(hundreds)) + (hundreds > 0 ? " feet above" : " feet below");
}
}  // namespace

std::string calloutText(const CalloutThreat& t) {
    std::string text = "Traffic";
    if (t.clock >= 1 && t.clock <= 12) text += std::string(", ") + kNumbers[t.clock] + " o'clock";
    text += ", " + distanceWords(t.distanceMetres);
    if (t.altitudeKnown) text += ", " + altitudeWords(t.altitudeDifferenceFeet);
    if (t.climbKnown && t.climbRateFpm >= kLevelFpm) text += ", climbing";
    if (t.climbKnown && t.climbRateFpm <= -kLevelFpm) text += ", descending";
    return text;
}

std::vector<CalloutThreat> collectThreats(const std::map<unsigned, TrafficElement*>& traffic,
                                          const TrafficWarningInput& input) {
    std::vector<CalloutThreat> threats;
    forEachCountingTarget(traffic, input, [&](const CountingTarget& c) {
        if (c.range.band == NO_BAND) return;
        const TrafficElement& e = *c.element;
        CalloutThreat t;
        t.address = e.icaoAddress;
        t.band = c.range.band;
        t.distanceMetres = c.range.metres;
        if (input.headingKnown && e.hasPosition())
            t.clock = clockPosition(calcBearing2(input.own, ChartPosition(e.longitude, e.latitude)), input.heading);
        t.altitudeKnown = c.hasAltitude;
        t.altitudeDifferenceFeet = c.altitudeDifference / 0.3048;
        t.climbKnown = e.climbRate != -100000;
        t.climbRateFpm = e.climbRate;
        threats.push_back(t);
    });
    return threats;
}

std::string CalloutScheduler::update(const std::vector<CalloutThreat>& threats, double now) {
    // Threats that left the picture are forgotten: coming back is news. One
    // that drew away is remembered at its new band, so closing in again is
    // announced again.
    std::map<uint32_t, TrafficBand> still;
    for (const CalloutThreat& t : threats) {
        auto it = announced.find(t.address);
        if (it != announced.end()) still[t.address] = std::min(it->second, t.band);
    }
    announced.swap(still);

    const CalloutThreat* due = nullptr;
    for (const CalloutThreat& t : threats) {
        auto it = announced.find(t.address);
        const bool fresh = it == announced.end() || t.band > it->second;
        if (!fresh) continue;
        if (!due || t.band > due->band || (t.band == due->band && t.distanceMetres < due->distanceMetres)) due = &t;
    }
    if (!due || now - lastCall < kMinGapSeconds) return {};
    lastCall = now;
    announced[due->address] = due->band;
    return calloutText(*due);
}
