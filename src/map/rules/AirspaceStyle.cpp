#include "map/rules/AirspaceStyle.h"

namespace {

using P = LinePattern;

// Day styles in the order of AirspaceCategory.
const ShapeStyle kDayStyles[static_cast<int>(AirspaceCategory::COUNT)] = {
    {{110, 110, 110, 255}, 1.5f, P::DASH_DOT, {0, 0, 0, 0}},     // boundary
    {{90, 90, 130, 255}, 1.0f, P::DOTTED, {0, 0, 0, 0}},         // other
    {{120, 140, 120, 255}, 1.0f, P::DASHED, {0, 0, 0, 0}},       // G
    {{100, 130, 110, 255}, 1.0f, P::DASHED, {0, 0, 0, 0}},       // F
    {{80, 120, 190, 255}, 1.0f, P::SOLID, {0, 0, 0, 0}},         // E
    {{220, 140, 0, 255}, 1.5f, P::DASHED, {0, 0, 0, 0}},         // gliding
    {{0, 130, 60, 255}, 1.0f, P::DASHED, {0, 0, 0, 0}},          // traffic pattern
    {{120, 40, 160, 255}, 2.0f, P::DOTTED, {120, 40, 160, 20}},  // TMZ, RMZ
    {{0, 100, 200, 255}, 2.0f, P::SOLID, {0, 100, 200, 16}},     // D
    {{0, 80, 180, 255}, 2.5f, P::SOLID, {0, 80, 180, 20}},       // C
    {{0, 60, 160, 255}, 3.0f, P::SOLID, {0, 60, 160, 24}},       // B
    {{0, 40, 130, 255}, 3.0f, P::SOLID, {0, 40, 130, 28}},       // A
    {{0, 80, 180, 255}, 2.5f, P::SOLID, {0, 80, 180, 20}},       // TMA, CTA
    {{200, 0, 50, 255}, 2.5f, P::DASHED, {200, 0, 50, 24}},      // control zone
    {{220, 70, 0, 255}, 2.0f, P::DASHED, {220, 70, 0, 28}},      // danger
    {{200, 0, 0, 255}, 2.5f, P::SOLID, {200, 0, 0, 36}},         // restricted
    {{160, 0, 0, 255}, 3.0f, P::SOLID, {160, 0, 0, 56}},         // prohibited
};

}  // namespace

ShapeStyle getAirspaceStyle(AirspaceCategory category, MapPalette palette) {
    const int index = static_cast<int>(category);
    const ShapeStyle& day = kDayStyles[index >= 0 && index < static_cast<int>(AirspaceCategory::COUNT) ? index : 1];
    return inPalette(day, palette);
}
