#include "sensors/MagneticVariationTracker.h"

#include <cmath>

#include "base/Units.h"
#include "geo/Geodesy.h"
#include "geo/GeoidGrid.h"
#include "geo/MagneticModel.h"

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

bool MagneticVariationTracker::worldMagneticModel(const ChartPosition& position, double altitudeMSL,
                                                  double& declination) {
    bool modelOk = false;
    const double ellipsoidHeight = altitudeMSL + geoidUndulation(position);
    const GeoMatrix3 transform = createMagTransform(position, ellipsoidHeight, &modelOk);
    if (!modelOk) return false;
    declination = units::radiansToDegrees(calcMagneticVariation(transform));
    return true;
}
