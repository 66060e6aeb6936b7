#pragma once
#include "fusion/estimation/IRotationEstimation.h"

// Straight and level, heading north: what the instruments show when the
// service runs on GNSS alone. Never wrong about being useless for attitude.
class UnitMatrix_RotationEstimation : public IRotationEstimation {
public:
    Vector3d getAxisReliability() override { return {0, 0, 0}; }
    bool calculateRotationMatrix(Matrix3x3& out) override {
        out = Matrix3x3();
        return true;
    }
};
