#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "iqgen/IqRenderer.h"

// A sky of aircraft flying straight around a receiver, each transmitting
// squitters and replies at realistic rates, and the truth of what was sent.
struct ScenarioAircraft {
    uint32_t address = 0;
    std::string callsign;
    double latitude = 0, longitude = 0;  // at time 0
    int altitudeFeet = 0;
    double speedKnots = 0, trackDegrees = 0;
    int verticalRateFpm = 0;
    unsigned squawk = 0;
    double amplitude = 50;

    // Position after seconds of straight flight.
    void positionAt(double seconds, double& lat, double& lon) const;
};

struct ScenarioOptions {
    int aircraft = 10;
    double durationSeconds = 2.0;
    double centreLatitude = 52.3, centreLongitude = 4.76;
    double maxRangeNm = 120;
    double minAmplitude = 20, maxAmplitude = 110;  // log-uniform between
    double noiseSigma = 3.0;
    // Replies (DF 4, 5) and all-calls (DF 11) besides the squitters.
    bool replies = true;
    // Spread transmissions so that none overlaps another.
    bool avoidOverlaps = false;
    uint32_t seed = 7;
};

struct TrafficScenario {
    std::vector<ScenarioAircraft> aircraft;
    std::vector<Transmission> transmissions;  // in time order

    const ScenarioAircraft* find(uint32_t address) const;
};

TrafficScenario buildScenario(const ScenarioOptions& options);
