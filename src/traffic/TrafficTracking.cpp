#include "traffic/TrafficTracking.h"

#include <cmath>

#include "geo/Geodesy.h"

namespace {
constexpr double kUnknownAngle = -360.0;
constexpr double kUnknownAltitude = -100000.0;
constexpr int kUnknownInt = -100000;
constexpr double kKnotsToMps = 0.514444444;

bool knownAngle(double value) { return std::fabs(value - kUnknownAngle) > 0.0001; }
}  // namespace

void extrapolateTrafficElement(TrafficElement* e, double dtPosition, double dtAltitude) {
    if (e->hasPosition() && e->velocity != kUnknownInt && knownAngle(e->track)) {
        const double distance = e->velocity * kKnotsToMps * dtPosition;
        const ChartPosition moved =
            calcChartPositionAtBearing(ChartPosition(e->longitude, e->latitude), e->track, distance);
        e->longitude = moved.longitude;
        e->latitude = moved.latitude;
    }
    if (std::fabs(e->altitude - kUnknownAltitude) > 0.1 && e->climbRate != kUnknownInt)
        e->altitude += e->climbRate / 60.0 * dtAltitude;
}

int calcTrafficElementScore(const TrafficElement* e) {
    int score = 0;
    if (knownAngle(e->longitude) && knownAngle(e->latitude)) score |= 32;
    if (e->capabilityIndex == kGeometricAltitudeCapability) score |= 32;
    if (e->velocity != kUnknownInt) score |= 32;
    if (knownAngle(e->track)) score |= 32;
    if (std::fabs(e->altitude - kUnknownAltitude) > 0.0001) score |= 16;
    if (e->climbRate != kUnknownInt) score |= 1;
    return score;
}

void mergeTraffic(std::map<unsigned, TrafficElement*>& traffic, TrafficElement* candidate) {
    TrafficElement*& slot = traffic[candidate->icaoAddress];
    if (slot == nullptr) {
        slot = candidate;
    } else if (calcTrafficElementScore(candidate) > calcTrafficElementScore(slot)) {
        delete slot;
        slot = candidate;
    } else if (slot != candidate) {
        delete candidate;
    }
}
