#pragma once
#include <memory>
#include <vector>

#include "fusion/estimation/IRotationEstimation.h"

// Every strategy the fusion runs, indexed by type number (a slot may be
// empty in a build that lacks a strategy).
std::vector<std::unique_ptr<IRotationEstimationFactory>> createRotationEstimationFactories();

// One instance of each, in the same slots.
std::vector<std::unique_ptr<IRotationEstimation>> createRotationEstimations(
    const std::vector<std::unique_ptr<IRotationEstimationFactory>>& factories);

// The type numbers of the strategies the selection refers to.
namespace rotation_type {
constexpr int kDeltaRotations = 4;
constexpr int kGpsAccNoBlur = 3;
constexpr int kParticle = 8;
constexpr int kUnitMatrix = 10;
constexpr int kCount = 12;
}  // namespace rotation_type
