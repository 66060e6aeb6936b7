#pragma once
#include <string>

#include "base/UnitConverter.h"

// The altimeter setting (QNH) as the pilot handles it: shown, stepped and
// typed in the pilot's pressure unit, kept in hectopascals. Engine-free.
class AltimeterSetting {
public:
    static constexpr double kStandardHectopascals = 1013.25;
    // Settings outside this band are typing errors, not weather.
    static constexpr double kLowestHectopascals = 850.0;
    static constexpr double kHighestHectopascals = 1100.0;

    AltimeterSetting(units::UnitConverter::Pressure unit, double hectopascals);

    double getHectopascals() const { return hectopascals; }
    // "1013", "1013.25", "29.92", "760" (no unit).
    std::wstring getText() const;
    // One step up (+1) or down (-1): 1 hPa, 0.01 inHg or 1 mmHg, landing on
    // the unit's grid, kept inside the band.
    void step(int direction);
    // Takes a typed value in the pilot's unit; false (nothing changed) for
    // anything but a number inside the band.
    bool setText(const std::wstring& text);
    void setStandard() { hectopascals = kStandardHectopascals; }

private:
    double stepSize() const;

    units::UnitConverter::Pressure unit;
    double hectopascals;
};
