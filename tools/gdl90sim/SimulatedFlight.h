#pragma once
#include "geo/ChartPosition.h"

#include <cstdint>
#include <string>
#include <vector>

// What the simulated ownship does: start state, a constant turn and climb,
// or a route of positions flown in a loop.
struct FlightPlan {
    ChartPosition start{11.0, 48.0};
    double altitudeFeet = 3000;
    double speedKnots = 100;
    double trackDegrees = 90;
    double turnRateDegreesPerSecond = 0;  // positive turns right
    double climbFeetPerMinute = 0;
    double levelOffFeet = -1;  // the climb or descent ends here; negative: never
    std::vector<ChartPosition> route;  // when set, flown waypoint by waypoint, then again
    int trafficCount = 3;
    int trafficWithoutPosition = 1;  // of trafficCount, the first ones
    int trafficConverging = 0;       // of trafficCount, the last ones: they fly at the ownship
};

struct OwnshipState {
    ChartPosition position;
    double altitudeFeet = 0;
    double speedKnots = 0;
    double trackDegrees = 0;
    double climbFeetPerMinute = 0;
    double turnRateDegreesPerSecond = 0;  // to the right positive
    double rollDegrees = 0;  // right wing down positive
    double pitchDegrees = 0;
};

struct TrafficState {
    uint32_t address = 0;
    std::string callSign;
    bool hasPosition = true;
    ChartPosition position;
    double altitudeFeet = 0;
    double speedKnots = 0;
    double trackDegrees = 0;
    double climbFeetPerMinute = 0;
};

// Integrates the flight in small steps. Traffic targets circle the ownship
// at their own radius, speed and altitude offset, so they stay in view;
// converging ones come at it from ahead, pass close abeam and start again.
class SimulatedFlight {
public:
    explicit SimulatedFlight(const FlightPlan& plan);

    // Moves everything forward by dt seconds.
    void advance(double dt);

    const OwnshipState& ownship() const { return own; }
    const std::vector<TrafficState>& traffic() const { return targets; }

private:
    void steerAlongRoute();
    void placeTraffic();
    bool isConverging(size_t target) const;

    FlightPlan plan;
    OwnshipState own;
    std::vector<TrafficState> targets;
    std::vector<double> targetAngles;     // bearing from the ownship, degrees
    std::vector<double> altitudeOffsets;  // feet above the ownship
    std::vector<double> distancesAhead;   // converging targets: metres ahead of the ownship
    int firstConverging = 0;
    size_t nextWaypoint = 0;
    double turnRate = 0;
};
