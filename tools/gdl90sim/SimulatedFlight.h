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
    std::vector<ChartPosition> route;  // when set, flown waypoint by waypoint, then again
    int trafficCount = 3;
    int trafficWithoutPosition = 1;  // of trafficCount
};

struct OwnshipState {
    ChartPosition position;
    double altitudeFeet = 0;
    double speedKnots = 0;
    double trackDegrees = 0;
    double climbFeetPerMinute = 0;
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
// at their own radius, speed and altitude offset, so they stay in view.
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

    FlightPlan plan;
    OwnshipState own;
    std::vector<TrafficState> targets;
    std::vector<double> targetAngles;     // bearing from the ownship, degrees
    std::vector<double> altitudeOffsets;  // feet above the ownship
    size_t nextWaypoint = 0;
    double turnRate = 0;
};
