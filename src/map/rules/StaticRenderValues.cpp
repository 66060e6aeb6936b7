#include "map/rules/StaticRenderValues.h"

#include <cmath>

#include "base/Units.h"
#include "chart/elements/StaticData.h"

int staticObstructionTopFeet(uint16_t staticWord) {
    return static_cast<int>(std::lround(units::metresToFeet(decodeStaticAltitude16(staticWord))));
}

int staticAirspaceBottomFeet(uint16_t staticWord) {
    return 10 * static_cast<int>(std::lround(units::metresToFeet(decodeStaticAltitude12(staticWord & 0x0FFF)) / 10.0));
}
