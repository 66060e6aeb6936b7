#pragma once
#include "fusion/estimation/DeltaRotationEstimation.h"

// "DeltaRotations" for receivers whose quality figure means nothing and
// installations whose magnetometer cannot be trusted at all: every GNSS
// record gets the same weight, no heading is taken from the magnetometer,
// and without GNSS the turn's centripetal force is always computed at the
// fallback cruising speed. Reliable like "DeltaRotations" while GNSS lasts;
// in long outages the heading is the gyro's alone.
class FixedVelocityDeltaRotationEstimation : public DeltaRotationEstimation {
public:
    FixedVelocityDeltaRotationEstimation() { fallbackSpeedOnly = true; }
    void setGPSSigmaOverT(double) override {}
    void setHeadingRecommendation(bool, double) override {}
};
