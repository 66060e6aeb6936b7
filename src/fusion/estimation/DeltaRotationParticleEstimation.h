#pragma once
#include <memory>
#include <vector>

#include "fusion/estimation/CachedInputsEstimation.h"
#include "fusion/estimation/DeltaRotationEstimation.h"

// A small population of "DeltaRotations" filters that differ in how fast
// they trust GNSS over the gyro (quick ones follow a noisy receiver, slow
// ones ride out its noise but carry a gyro error longer). All see the same
// inputs; the one whose propagation has lately agreed best with the GNSS
// accelerations (the smallest mean square tilt innovation) is delivered.
// Same assumptions as "DeltaRotations"; it adapts to the receiver and the
// gyro at the price of running several filters.
class DeltaRotationParticleEstimation : public CachedInputsEstimation {
public:
    DeltaRotationParticleEstimation();

    Vector3d getAxisReliability() override;
    bool calculateRotationMatrix(Matrix3x3& out) override;
    // Starts the comparison afresh.
    void calculateMultiPassConstants() override;
    void setWarningLevels(ISensor::WarningLevel* levels, ISensor::WarningLevel level) override;
    bool usableForGyroCalibration() override;
    int getChosen() const { return chosen; }

private:
    std::vector<std::unique_ptr<DeltaRotationEstimation>> particles;
    int chosen = 0;
};
