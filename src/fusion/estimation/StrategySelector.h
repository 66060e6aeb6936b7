#pragma once
#include <vector>

#include "geo/GeoVectors.h"

// Chooses which strategy's result the fusion delivers. Each candidate is a
// strategy that produced a usable rotation this iteration, with its
// reliability per axis.
struct StrategyCandidate {
    int type;
    Vector3d reliability;
};

class StrategySelector {
public:
    // mode: FusionSettings::Mode. forcedType >= 0 picks that strategy alone
    // (diagnostics); -1 when it cannot serve. Returns -1 when no candidate fits.
    static int choose(int mode, const std::vector<StrategyCandidate>& candidates, int forcedType = -1);
};
