#include "map/rules/AltitudeChange.h"

#include <cmath>

#include "base/Units.h"
#include "chart/elements/IChartElement.h"
#include "chart/elements/StaticData.h"
#include "map/rules/StaticRenderValues.h"

namespace {
constexpr double kClearanceRedrawStepMetres = 20.0;
}  // namespace

bool may2DMapPotentiallyChange(const MapRenderFacts& facts, const char* staticData, double oldAltitudeFeet,
                               double newAltitudeFeet) {
    if (getStaticType(staticData) != IChartElement::OBSTRUCTION) return false;
    // Obstacles hidden by the scale or the settings stay hidden at any altitude.
    if (facts.scale > kObstructionScaleLimit || !facts.settings.terrainEnable) return false;
    const int top = staticObstructionTopFeet(getStaticWord(staticData));
    const bool wasShown = facts.settings.lowObstacles || isObstacleBelowVisibilityLine(top, oldAltitudeFeet);
    const bool isShown = facts.settings.lowObstacles || isObstacleBelowVisibilityLine(top, newAltitudeFeet);
    if (wasShown != isShown) return true;
    return isShown && std::fabs(units::feetToMetres(newAltitudeFeet - oldAltitudeFeet)) > kClearanceRedrawStepMetres;
}
