#include "map/rules/MapRenderFacts.h"

#include "chart/elements/StaticData.h"

uint16_t irrelevantStaticAirspaceClasses(const std::function<bool(const std::string&)>& isIrrelevantAirspace) {
    uint16_t mask = 0;
    for (int index = 1; index < STATIC_AIRSPACE_CLASS_COUNT; ++index)
        if (isIrrelevantAirspace(getStaticAirspaceClassName(index))) mask |= static_cast<uint16_t>(1u << index);
    return mask;
}
