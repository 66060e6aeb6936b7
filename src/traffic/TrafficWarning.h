#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "geo/ChartPosition.h"
#include "sensors/Traffic_Data.h"

// Who the own aircraft is, so that its own transponder is not taken for
// traffic. Without a current profile nothing is excluded.
struct OwnAircraftIdentity {
    uint32_t icaoAddress = 0;
    std::string registration;
};
bool isOwnAircraft(const TrafficElement& target, const OwnAircraftIdentity* own);

// Range bands of the warning, outermost first.
enum TrafficBand { BAND_2NM = 0, BAND_1NM = 1, BAND_HALF_NM = 2, BAND_COUNT = 3, NO_BAND = -1 };

// A target's distance in metres and band. Without a position the range
// class of capabilityIndex 8, 9 and 10 places it at 1.5, 0.5 and 0.25 NM;
// otherwise it has no band and counts as just under 1000 km for "closest".
struct TrafficRange {
    double metres;
    TrafficBand band;
};
TrafficRange trafficRange(const TrafficElement& target, const ChartPosition& own);

// The clock position of a bearing relative to the own heading, 1 to 12.
int clockPosition(double bearingToTarget, double ownHeading);

struct TrafficWarningInput {
    ChartPosition own;
    bool headingKnown = false;
    double heading = 0;
    int warningAltitudeFeet = 10000;
    // Metres, positive when the target is above; false when its altitude is unknown.
    std::function<bool(double&, const TrafficElement*)> altitudeDifference;
    const OwnAircraftIdentity* ownAircraft = nullptr;
    // Altitudes in the pilot's unit: factor from metres and label.
    double altitudeFactor = 1.0 / 0.3048;
    std::wstring altitudeLabel = L"ft";
};

// A target that matters for the warning: not the own aircraft, and within
// the warning altitude (or of unknown altitude).
struct CountingTarget {
    const TrafficElement* element;
    bool hasAltitude;
    double altitudeDifference;  // metres, when known
    TrafficRange range;
};
void forEachCountingTarget(const std::map<unsigned, TrafficElement*>& traffic, const TrafficWarningInput& input,
                           const std::function<void(const CountingTarget&)>& visit);

struct TrafficWarning {
    bool active = false;
    std::wstring text;
    int colour = 0;  // 1 only the outer band, 2 anything nearer (the panel's most urgent)
    const TrafficElement* closest = nullptr;
};

TrafficWarning computeTrafficWarning(const std::map<unsigned, TrafficElement*>& traffic,
                                     const TrafficWarningInput& input);
