#include "fusion/estimation/RotationEstimationRegistry.h"

#include "fusion/estimation/Acc_And_Mag_At_0_Velocity_RotationEstimation.h"
#include "fusion/estimation/DeltaRotationEstimation.h"
#include "fusion/estimation/DeltaRotationParticleEstimation.h"
#include "fusion/estimation/FixedVelocityDeltaRotationEstimation.h"
#include "fusion/estimation/GPSAccDelta_RotationEstimation.h"
#include "fusion/estimation/GPSAccHighVelLowSD_RotationEstimation.h"
#include "fusion/estimation/GPSAccHighVelNoBlur_RotationEstimation.h"
#include "fusion/estimation/Gps_and_Acc_at_high_velocities_RotationEstimation.h"
#include "fusion/estimation/Gyro_acc_mag_at_Vno_RotationEstimation.h"
#include "fusion/estimation/NoDeltaRotationEstimation.h"
#include "fusion/estimation/SpeedAndGyrAndAccRotationEstimation.h"
#include "fusion/estimation/UnitMatrix_RotationEstimation.h"

std::vector<std::unique_ptr<IRotationEstimationFactory>> createRotationEstimationFactories() {
    std::vector<std::unique_ptr<IRotationEstimationFactory>> f(rotation_type::kCount);
    auto add = [&f](auto* factory) { f[factory->getType()].reset(factory); };
    add(new RotationEstimationFactory<Acc_And_Mag_At_0_Velocity_RotationEstimation>(0, "acc+mag at v=0"));
    add(new RotationEstimationFactory<Gps_and_Acc_at_high_velocities_RotationEstimation>(1,
                                                                                         "gps+acc at high velocities"));
    add(new RotationEstimationFactory<Gyro_acc_mag_at_Vno_RotationEstimation>(2, "gyro+acc+mag at Vno"));
    add(new RotationEstimationFactory<GPSAccHighVelNoBlur_RotationEstimation>(3,
                                                                              "unblured gps+acc at high velocities"));
    add(new RotationEstimationFactory<DeltaRotationEstimation>(4, "DeltaRotations: acc+gps+mag+gyro"));
    add(new RotationEstimationFactory<GPSAccHighVelLowSD_RotationEstimation>(
        5, "gps+acc at high velocities (low standard deviation)"));
    add(new RotationEstimationFactory<GPSAccDelta_RotationEstimation>(6, "gps+acc DeltaRotations"));
    add(new RotationEstimationFactory<FixedVelocityDeltaRotationEstimation>(
        7, "Fixed Velocity DeltaRotations: acc+gps+mag+gyro"));
    add(new RotationEstimationFactory<DeltaRotationParticleEstimation>(8, "Particle DeltaRotations: acc+gps+mag+gyro"));
    add(new RotationEstimationFactory<NoDeltaRotationEstimation>(9, "No DeltaRotations"));
    add(new RotationEstimationFactory<UnitMatrix_RotationEstimation>(10, "unit matrix"));
    add(new RotationEstimationFactory<SpeedAndGyrAndAccRotationEstimation>(11, "SpeedAndGyroAndAcc"));
    return f;
}

std::vector<std::unique_ptr<IRotationEstimation>> createRotationEstimations(
    const std::vector<std::unique_ptr<IRotationEstimationFactory>>& factories) {
    std::vector<std::unique_ptr<IRotationEstimation>> strategies(factories.size());
    for (size_t i = 0; i < factories.size(); ++i)
        if (factories[i]) strategies[i].reset(factories[i]->Create());
    return strategies;
}
