#include "fusion/estimation/StrategySelector.h"

#include <algorithm>

#include "fusion/FusionSettings.h"
#include "fusion/estimation/RotationEstimationRegistry.h"

namespace {
// Preference when reliabilities tie: gyro-propagated and GNSS-aided first,
// the snapshot strategies after them, the identity last.
const int kPreference[] = {4, 8, 7, 6, 11, 9, 3, 1, 5, 2, 0, 10};

const StrategyCandidate* find(const std::vector<StrategyCandidate>& candidates, int type) {
    for (const StrategyCandidate& c : candidates)
        if (c.type == type) return &c;
    return nullptr;
}

double score(const Vector3d& r) { return 0.35 * (r.x + r.z) + 0.3 * r.y; }
}  // namespace

int StrategySelector::choose(int mode, const std::vector<StrategyCandidate>& candidates, int forcedType) {
    if (forcedType >= 0) return find(candidates, forcedType) ? forcedType : -1;
    if (mode == FusionSettings::DELTA_ROTATIONS || mode == FusionSettings::PARTICLE_LIKE) {
        const int first =
            mode == FusionSettings::PARTICLE_LIKE ? rotation_type::kParticle : rotation_type::kDeltaRotations;
        for (int type :
             {first, rotation_type::kDeltaRotations, rotation_type::kGpsAccNoBlur, rotation_type::kUnitMatrix})
            if (find(candidates, type)) return type;
        return -1;
    }
    int best = -1;
    double bestScore = -1;
    for (int type : kPreference) {
        const StrategyCandidate* c = find(candidates, type);
        if (c && score(c->reliability) > bestScore + 1e-9) best = type, bestScore = score(c->reliability);
    }
    return best;
}
