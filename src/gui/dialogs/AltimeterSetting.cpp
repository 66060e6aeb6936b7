#include "gui/dialogs/AltimeterSetting.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "base/StringConversions.h"
#include "gui/dialogs/SettingsForm.h"

namespace {
double toUnit(units::UnitConverter::Pressure unit, double hectopascals) {
    return hectopascals * units::UnitConverter::pressureFactors[unit];
}
double fromUnit(units::UnitConverter::Pressure unit, double value) {
    return value / units::UnitConverter::pressureFactors[unit];
}
}  // namespace

AltimeterSetting::AltimeterSetting(units::UnitConverter::Pressure pressureUnit, double value)
    : unit(pressureUnit), hectopascals(std::clamp(value, kLowestHectopascals, kHighestHectopascals)) {}

double AltimeterSetting::stepSize() const { return unit == units::UnitConverter::INCHES_OF_MERCURY ? 0.01 : 1.0; }

std::wstring AltimeterSetting::getText() const {
    const double value = toUnit(unit, hectopascals);
    wchar_t text[32];
    if (unit == units::UnitConverter::INCHES_OF_MERCURY) std::swprintf(text, 32, L"%.2f", value);
    else if (std::fabs(value - std::round(value)) < 0.005) std::swprintf(text, 32, L"%.0f", value);
    else std::swprintf(text, 32, L"%.2f", value);
    return text;
}

void AltimeterSetting::step(int direction) {
    const double size = stepSize();
    const double value = toUnit(unit, hectopascals) / size;
    // From between two grid values, the first step lands on the next one.
    const double onGrid = direction > 0 ? std::floor(value + 1e-6) + 1 : std::ceil(value - 1e-6) - 1;
    hectopascals = std::clamp(fromUnit(unit, onGrid * size), kLowestHectopascals, kHighestHectopascals);
}

bool AltimeterSetting::setText(const std::wstring& text) {
    const std::string typed = convertWStringToUtf8String(text);
    if (!isValidSettingValue({"", "", "", SettingsEntry::DOUBLE, {}}, typed)) return false;
    const double value = fromUnit(unit, convertStringTo<double>(typed));
    if (value < kLowestHectopascals || value > kHighestHectopascals) return false;
    hectopascals = value;
    return true;
}
