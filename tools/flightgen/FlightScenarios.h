#pragma once
#include <string>
#include <vector>

#include "FlightGenerator.h"

// Named flights for the tools and the tests.
//  "circuit": rest, taxi with a turn, take-off, climb, level turns at 15, 30
//             and 45 degrees of bank, a climbing accelerating turn, a descent.
//  "turns":   starts in cruise; sustained 45 degree turns both ways, a
//             climbing accelerating turn, a descending turn.
//  "outage":  starts in cruise; a 30 degree turn with GNSS lost for 10 s in it.
bool makeScenario(const std::string& name, FlightScenario& out);
std::vector<std::string> scenarioNames();
