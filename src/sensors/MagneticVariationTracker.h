#pragma once
#include <functional>

#include "geo/ChartPosition.h"

// Keeps the magnetic variation (declination, degrees, east positive) of the
// own position. The magnetic model is costly, so it is evaluated again only
// after the aircraft has moved more than 1000 m from where it last was.
class MagneticVariationTracker {
public:
    static constexpr double kRecomputeDistance = 1000.0;

    // Declination in degrees at a position and a height above mean sea
    // level (metres); false when the model cannot be evaluated.
    using Model = std::function<bool(const ChartPosition& position, double altitudeMSL, double& declination)>;

    MagneticVariationTracker();
    void setModel(Model newModel) { model = std::move(newModel); }

    // Returns true when the variation was recomputed.
    bool update(const ChartPosition& position, double altitudeMSL);
    void reset() { available = false; }

    bool isAvailable() const { return available; }
    double getVariation() const { return variation; }
    const ChartPosition& getComputedAt() const { return computedAt; }

    // The World Magnetic Model at the position, with the altitude brought to
    // the WGS-84 ellipsoid through the geoid undulation.
    static bool worldMagneticModel(const ChartPosition& position, double altitudeMSL, double& declination);

private:
    Model model;
    bool available = false;
    double variation = 0.0;
    ChartPosition computedAt;
};
