#include "sensors/MagneticVariationTracker.h"

#include "chart/Geodesy.h"

MagneticVariationTracker::MagneticVariationTracker() : model(&MagneticVariationTracker::worldMagneticModel) {}

bool MagneticVariationTracker::update(const ChartPosition& position, double altitudeMSL) {
    if (available && calcDistance2(position, computedAt) <= kRecomputeDistance) return false;
    double declination = 0.0;
    if (!model || !model(position, altitudeMSL, declination)) return false;
    variation = declination;
    computedAt = position;
    available = true;
    return true;
}

bool MagneticVariationTracker::worldMagneticModel(const ChartPosition& /*position*/, double /*altitudeMSL*/,
                                                  double& /*declination*/) {
    return false;  // WIRE: geodesy magnetic model
}
