#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "traffic/TrafficWarning.h"

// What a spoken traffic call says about one threat.
struct CalloutThreat {
    uint32_t address = 0;
    TrafficBand band = NO_BAND;
    double distanceMetres = 0;
    int clock = 0;  // 1..12; 0 when unknown (no own heading or no position)
    bool altitudeKnown = false;
    double altitudeDifferenceFeet = 0;
    bool climbKnown = false;
    int climbRateFpm = 0;
};

// "Traffic, two o'clock, one mile, 500 feet above, climbing": the parts that
// are unknown are left out.
std::string calloutText(const CalloutThreat& threat);

// The threats of the warning picture: counting targets in a range band.
std::vector<CalloutThreat> collectThreats(const std::map<unsigned, TrafficElement*>& traffic,
                                          const TrafficWarningInput& input);

// Decides when to speak. A threat is announced when it first appears and
// again when it moves into a nearer band than it was last heard in (or drew
// back to since); never two calls closer together
// than the pilot can take in. Among waiting calls the nearest band goes first.
class CalloutScheduler {
public:
    static constexpr double kMinGapSeconds = 6.0;

    // The text to speak now, or empty.
    std::string update(const std::vector<CalloutThreat>& threats, double now);

private:
    std::map<uint32_t, TrafficBand> announced;  // band at the last call
    double lastCall = -1e9;
};
