#include "map/rules/MapStyle.h"

#include <cmath>

namespace {

const MapColour kDayGround{246, 244, 236, 255};
const MapColour kNightGround{16, 18, 24, 255};

// Mixes a colour towards another by the fraction t (0 keeps it, 1 gives the other), alpha kept.
MapColour mix(const MapColour& from, const MapColour& to, float t) {
    auto channel = [t](uint8_t a, uint8_t b) { return static_cast<uint8_t>(std::lround(a + (b - a) * t)); };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b), from.a};
}

constexpr float kNightLineLightening = 0.35f;
constexpr float kNightFillSinking = 0.6f;

}  // namespace

MapColour getMapBackground(MapPalette palette) { return palette == MapPalette::DAY ? kDayGround : kNightGround; }

ShapeStyle toNightStyle(const ShapeStyle& day) {
    ShapeStyle night = day;
    night.line = mix(day.line, MapColour{255, 255, 255, 255}, kNightLineLightening);
    night.fill = mix(day.fill, kNightGround, kNightFillSinking);
    return night;
}
