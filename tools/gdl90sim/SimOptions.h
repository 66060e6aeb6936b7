#pragma once
#include "SimulatedFlight.h"

#include <cstdint>
#include <iosfwd>
#include <string>

struct SimOptions {
    std::string host = "127.0.0.1";
    unsigned short port = 4000;
    FlightPlan plan;
    double attitudeRate = 5;  // ForeFlight AHRS messages per second, 0 = none
    double durationSeconds = 0;  // 0 = until interrupted
    uint32_t ownshipAddress = 0xABCDEF;
    std::string callSign = "CIRRONA";
    double geoidOffsetFeet = 0;  // geometric minus pressure altitude
    bool verbose = false;
    bool help = false;
};

// False with `problem` set when an option is unknown or its value bad.
bool parseSimOptions(int argc, char** argv, SimOptions& options, std::string& problem);
void printSimUsage(std::ostream& out);
