#include "SimulatedFlight.h"

#include "base/Units.h"
#include "geo/Geodesy.h"

#include <algorithm>
#include <cmath>

namespace {
// Standard-rate turn: the most the route steering asks for.
const double STANDARD_RATE = 3.0;
const double WAYPOINT_REACHED_METRES = 300;
// A converging target appears this far ahead, passes this far to the right
// and this high above, and starts again once this far behind: close enough
// for every band of a traffic warning, with a minute or so between passes.
const double CONVERGE_FROM_NM = 5.0;
const double CONVERGE_ABEAM_NM = 0.3;
const double CONVERGE_ABOVE_FEET = 200;
const double CONVERGE_UNTIL_BEHIND_NM = 3.0;

double normalise(double degrees) {
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360.0 : degrees;
}

double signedDifference(double to, double from) {
    double d = normalise(to - from);
    return d > 180 ? d - 360 : d;
}
}  // namespace

SimulatedFlight::SimulatedFlight(const FlightPlan& flightPlan) : plan(flightPlan) {
    own.position = plan.route.empty() ? plan.start : plan.route.front();
    own.altitudeFeet = plan.altitudeFeet;
    own.speedKnots = plan.speedKnots;
    own.trackDegrees = normalise(plan.trackDegrees);
    own.climbFeetPerMinute = plan.climbFeetPerMinute;
    turnRate = plan.turnRateDegreesPerSecond;
    if (plan.route.size() > 1) {
        nextWaypoint = 1;
        own.trackDegrees = normalise(calcBearing2(own.position, plan.route[1]));
    }
    const int count = std::max(0, plan.trafficCount);
    // Targets without a position cannot converge.
    firstConverging = std::max(count - std::max(0, plan.trafficConverging), std::max(0, plan.trafficWithoutPosition));
    for (int i = 0; i < count; ++i) {
        TrafficState t;
        t.address = 0xC0FFE0 + i;
        t.callSign = "SIM" + std::to_string(i + 1);
        t.hasPosition = i >= std::min(count, std::max(0, plan.trafficWithoutPosition));
        t.speedKnots = 80 + 15 * (i % 5);
        t.climbFeetPerMinute = (i % 3 - 1) * 300;
        targets.push_back(t);
        targetAngles.push_back(360.0 * i / count);
        altitudeOffsets.push_back(500.0 * (i % 3 - 1));
        distancesAhead.push_back(CONVERGE_FROM_NM * units::kMetresPerNauticalMile);
        if (isConverging(i)) {
            t.climbFeetPerMinute = 0;
            altitudeOffsets.back() = CONVERGE_ABOVE_FEET;
        }
    }
    steerAlongRoute();
    placeTraffic();
}

void SimulatedFlight::advance(double dt) {
    steerAlongRoute();
    own.trackDegrees = normalise(own.trackDegrees + turnRate * dt);
    own.turnRateDegreesPerSecond = turnRate;
    own.position =
        calcChartPositionAtBearing(own.position, own.trackDegrees, units::knotsToMetresPerSecond(own.speedKnots) * dt);
    own.altitudeFeet += own.climbFeetPerMinute / 60.0 * dt;
    if (plan.levelOffFeet >= 0 && own.climbFeetPerMinute != 0 &&
        (own.altitudeFeet - plan.levelOffFeet) * own.climbFeetPerMinute >= 0) {
        own.altitudeFeet = plan.levelOffFeet;
        own.climbFeetPerMinute = 0;
    }
    // Coordinated turn and a climb angle that fits the vertical speed.
    const double speed = std::max(1.0, units::knotsToMetresPerSecond(own.speedKnots));
    own.rollDegrees =
        units::radiansToDegrees(std::atan(speed * units::degreesToRadians(turnRate) / units::kStandardGravity));
    own.pitchDegrees = units::radiansToDegrees(
        std::atan2(own.climbFeetPerMinute * units::kMetresPerSecondPerFootPerMinute, speed));

    for (size_t i = 0; i < targets.size(); ++i) {
        if (isConverging(i)) {
            // Head on: the gap closes at both speeds.
            distancesAhead[i] -= (units::knotsToMetresPerSecond(targets[i].speedKnots) + speed) * dt;
            if (distancesAhead[i] < -CONVERGE_UNTIL_BEHIND_NM * units::kMetresPerNauticalMile)
                distancesAhead[i] = CONVERGE_FROM_NM * units::kMetresPerNauticalMile;
            continue;
        }
        const double radius = (2.0 + i) * units::kMetresPerNauticalMile;
        const double targetSpeed = units::knotsToMetresPerSecond(targets[i].speedKnots);
        const double angularRate = units::radiansToDegrees(targetSpeed / radius);
        targetAngles[i] = normalise(targetAngles[i] + angularRate * dt);
        // Climb and descend within 1000 ft of the ownship.
        altitudeOffsets[i] += targets[i].climbFeetPerMinute / 60.0 * dt;
        if (std::fabs(altitudeOffsets[i]) > 1000.0 && altitudeOffsets[i] * targets[i].climbFeetPerMinute > 0) {
            targets[i].climbFeetPerMinute = -targets[i].climbFeetPerMinute;
        }
    }
    placeTraffic();
}

void SimulatedFlight::steerAlongRoute() {
    if (plan.route.size() < 2) return;
    const ChartPosition& target = plan.route[nextWaypoint];
    if (calcDistance2(own.position, target) < WAYPOINT_REACHED_METRES) {
        nextWaypoint = (nextWaypoint + 1) % plan.route.size();
    }
    const double wanted = calcBearing2(own.position, plan.route[nextWaypoint]);
    const double error = signedDifference(wanted, own.trackDegrees);
    turnRate = std::max(-STANDARD_RATE, std::min(STANDARD_RATE, error * 0.5));
}

bool SimulatedFlight::isConverging(size_t target) const { return static_cast<int>(target) >= firstConverging; }

void SimulatedFlight::placeTraffic() {
    for (size_t i = 0; i < targets.size(); ++i) {
        TrafficState& t = targets[i];
        if (isConverging(i)) {
            // On a line parallel to the ownship's track, offset to its right.
            const double abeam = CONVERGE_ABEAM_NM * units::kMetresPerNauticalMile;
            const double relative = units::radiansToDegrees(std::atan2(abeam, distancesAhead[i]));
            t.position = calcChartPositionAtBearing(own.position, normalise(own.trackDegrees + relative),
                                                    std::hypot(abeam, distancesAhead[i]));
            t.trackDegrees = normalise(own.trackDegrees + 180.0);
            t.altitudeFeet = own.altitudeFeet + altitudeOffsets[i];
            continue;
        }
        const double radius = (2.0 + i) * units::kMetresPerNauticalMile;
        t.position = calcChartPositionAtBearing(own.position, targetAngles[i], radius);
        t.trackDegrees = normalise(targetAngles[i] + 90.0);  // tangent of a clockwise circle
        t.altitudeFeet = own.altitudeFeet + altitudeOffsets[i];
    }
}
