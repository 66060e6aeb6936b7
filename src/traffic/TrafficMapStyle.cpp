#include "traffic/TrafficMapStyle.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kStopsFeet[3] = {250.0, 450.0, 750.0};
constexpr uint32_t kNormalPalette[3] = {0xFFCC3B54, 0xFFDCB652, 0xFF3B7B56};
constexpr uint32_t kDarkPalette[3] = {0xFFFF0000, 0xFFFFFF00, 0xFF00FF00};

uint32_t mix(uint32_t a, uint32_t b, double t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= uint32_t(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return out;
}
}  // namespace

uint32_t calcTrafficColor(double feet, bool dark) {
    const uint32_t* palette = dark ? kDarkPalette : kNormalPalette;
    if (feet <= kStopsFeet[0]) return palette[0];
    if (feet >= kStopsFeet[2]) return palette[2];
    const int i = feet < kStopsFeet[1] ? 0 : 1;
    return mix(palette[i], palette[i + 1], (feet - kStopsFeet[i]) / (kStopsFeet[i + 1] - kStopsFeet[i]));
}

bool isHiddenByAltitudeFilter(bool altitudeKnown, double differenceFeet, int filterFeet) {
    return filterFeet > 0 && altitudeKnown && std::fabs(differenceFeet) >= filterFeet;
}

std::wstring trafficLabel(const TrafficElement& target, bool altitudeKnown, double differenceMetres,
                          double metresToUnit) {
    std::wstring label = L"?";
    if (altitudeKnown) {
        const long shown = std::lround(differenceMetres * metresToUnit / 10.0) * 10;
        label = (shown > 0 ? L"+" : L"") + std::to_wstring(shown);
    }
    if (!target.name.empty()) label += L" " + std::wstring(target.name.begin(), target.name.end());
    return label;
}
