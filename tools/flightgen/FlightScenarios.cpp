#include "FlightScenarios.h"

namespace {

FlightSegment air(double duration, double bank, double climbFpm, double knots) {
    FlightSegment s;
    s.duration = duration, s.bankDegrees = bank, s.climbFpm = climbFpm, s.speedKnots = knots;
    return s;
}

FlightSegment ground(double duration, double knots, double turnRate = 0) {
    FlightSegment s;
    s.duration = duration, s.speedKnots = knots, s.onGround = true, s.groundTurnRate = turnRate;
    return s;
}

FlightScenario cruise() {
    FlightScenario s;
    s.startOnGround = false;
    s.startSpeedKnots = 100;
    s.startAltitude = 1200;
    return s;
}

}  // namespace

std::vector<std::string> scenarioNames() { return {"circuit", "turns", "outage"}; }

bool makeScenario(const std::string& name, FlightScenario& s) {
    if (name == "circuit") {
        s = FlightScenario();
        s.segments = {ground(15, 0),          ground(25, 10),     ground(20, 10, 6),     ground(15, 10),
                      ground(10, 0, 0),       ground(25, 65),     air(60, 0, 700, 80),   air(20, 0, 0, 100),
                      air(60, 15, 0, 100),    air(20, 0, 0, 100), air(60, -30, 0, 100),  air(20, 0, 0, 100),
                      air(60, 45, 0, 100),    air(20, 0, 0, 100), air(60, 30, 500, 120), air(40, 0, -600, 110),
                      air(30, -20, -500, 90), air(30, 0, 0, 90)};
        return true;
    }
    if (name == "turns") {
        s = cruise();
        s.segments = {air(40, 0, 0, 100),   air(70, 45, 0, 100),     air(20, 0, 0, 100),
                      air(70, -45, 0, 100), air(20, 0, 0, 100),      air(60, 30, 600, 90),
                      air(60, 30, 0, 125),  air(40, -25, -700, 110), air(30, 0, 0, 110)};
        return true;
    }
    if (name == "outage") {
        s = cruise();
        s.segments = {air(45, 0, 0, 100), air(60, 30, 0, 100), air(30, 0, 0, 100)};
        s.sensors.gnssOutages = {{70.0, 80.0}};
        return true;
    }
    return false;
}
