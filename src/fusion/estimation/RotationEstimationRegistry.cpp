#include "fusion/estimation/RotationEstimationRegistry.h"

#include "fusion/estimation/DeltaRotationEstimation.h"
#include "fusion/estimation/GPSAccHighVelNoBlur_RotationEstimation.h"
#include "fusion/estimation/UnitMatrix_RotationEstimation.h"

std::vector<std::unique_ptr<IRotationEstimationFactory>> createRotationEstimationFactories() {
    std::vector<std::unique_ptr<IRotationEstimationFactory>> f(rotation_type::kCount);
    f[3] = std::make_unique<RotationEstimationFactory<GPSAccHighVelNoBlur_RotationEstimation>>(
        3, "unblured gps+acc at high velocities");
    f[4] = std::make_unique<RotationEstimationFactory<DeltaRotationEstimation>>(4, "DeltaRotations: acc+gps+mag+gyro");
    f[10] = std::make_unique<RotationEstimationFactory<UnitMatrix_RotationEstimation>>(10, "unit matrix");
    return f;
}

std::vector<std::unique_ptr<IRotationEstimation>> createRotationEstimations(
    const std::vector<std::unique_ptr<IRotationEstimationFactory>>& factories) {
    std::vector<std::unique_ptr<IRotationEstimation>> strategies(factories.size());
    for (size_t i = 0; i < factories.size(); ++i)
        if (factories[i]) strategies[i].reset(factories[i]->Create());
    return strategies;
}
