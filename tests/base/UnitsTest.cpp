#include "base/IniFile.h"
#include "base/UnitConverter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using units::UnitConverter;

namespace {

// One displayed quantity: its configuration key and its conversions.
struct Quantity {
    const char* key;
    double (UnitConverter::*to)(double) const;
    double (UnitConverter::*from)(double) const;
    std::wstring (UnitConverter::*format)(double) const;
};

const Quantity kQuantities[] = {
    {"ALTITUDE", &UnitConverter::toAltitude, &UnitConverter::fromAltitude, &UnitConverter::formatAltitude},
    {"DISTANCE", &UnitConverter::toDistance, &UnitConverter::fromDistance, &UnitConverter::formatDistance},
    {"SPEED", &UnitConverter::toSpeed, &UnitConverter::fromSpeed, &UnitConverter::formatSpeed},
    {"VERTICAL_SPEED", &UnitConverter::toVerticalSpeed, &UnitConverter::fromVerticalSpeed,
     &UnitConverter::formatVerticalSpeed},
    {"PRESSURE", &UnitConverter::toPressure, &UnitConverter::fromPressure, &UnitConverter::formatPressure},
    {"TEMPERATURE", &UnitConverter::toTemperature, &UnitConverter::fromTemperature,
     &UnitConverter::formatTemperature},
};

const Quantity& quantity(const std::string& key) {
    return *std::find_if(std::begin(kQuantities), std::end(kQuantities),
                         [&](const Quantity& q) { return key == q.key; });
}

// Expected values from the unit definitions (1 ft = 0.3048 m, 1 NM = 1852 m,
// 1 statute mile = 1609.344 m) and the standard atmosphere (1013.25 hPa =
// 29.9213 inHg = 760 mmHg), not from the program's tables.
struct Case {
    const char* key;
    const char* value;
    double si;
    double expected;
    const wchar_t* text;
};

const Case kCases[] = {
    {"ALTITUDE", "ft", 1066.8, 3500, L"3500 ft"},
    {"ALTITUDE", "m", 1066.8, 1066.8, L"1067 m"},
    {"DISTANCE", "NM", 18445.92, 9.96, L"10 NM"},  // tenths only while the shown value stays below 10
    {"DISTANCE", "km", 9949, 9.949, L"9.9 km"},
    {"DISTANCE", "SM", -64.37376, -0.04, L"0.0 SM"},  // no "-0.0"
    {"DISTANCE", "mi", 3218.688, 2, L"2.0 SM"},
    {"SPEED", "knots", 1852.0 / 36, 100, L"100 kt"},
    {"SPEED", "km/h", 10, 36, L"36 km/h"},
    {"SPEED", "mph", 44.704, 100, L"100 mph"},
    {"SPEED", "m/s", 2.5, 2.5, L"3 m/s"},  // halves round away from zero
    {"VERTICAL_SPEED", "ft/min", -2.54, -500, L"-500 ft/min"},
    {"VERTICAL_SPEED", "m/s", -0.4, -0.4, L"0 m/s"},
    {"PRESSURE", "Hg", 1013.25, 29.9213, L"29.92 inHg"},
    {"PRESSURE", "hPa", 1013.25, 1013.25, L"1013 hPa"},
    {"PRESSURE", "mmHg", 1013.25, 760, L"760 mmHg"},
    {"TEMPERATURE", "Celcius", -0.5, -0.5, L"-1 \u00B0C"},
    {"TEMPERATURE", "Fahrenheit", -40, -40, L"-40 \u00B0F"},
    {"TEMPERATURE", "Fahrenheit", 100, 212, L"212 \u00B0F"},
};

UnitConverter converterFor(const std::string& key, const std::string& value) {
    IniFile ini;
    ini.set("", key, value);
    UnitConverter converter;
    converter.readDefaultUnitsFromIni(ini, "");
    return converter;
}

}  // namespace

TEST(UnitConverter, ConvertsFormatsAndRoundTripsEveryConfiguredUnit) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.value);
        const UnitConverter converter = converterFor(c.key, c.value);
        const Quantity& q = quantity(c.key);
        EXPECT_NEAR((converter.*q.to)(c.si), c.expected, 1e-5 * std::max(1.0, std::fabs(c.expected)));
        EXPECT_EQ((converter.*q.format)(c.si), c.text);
        for (double si : {c.si, 0.0, -1e-9, 1e-9, -5e4, 4e7}) {
            EXPECT_NEAR((converter.*q.from)((converter.*q.to)(si)), si, 1e-12 * std::max(1.0, std::fabs(si)));
        }
    }
}

TEST(UnitConverter, UnknownOrMissingValuesFallBackToTheStandardUnits) {
    IniFile ini;
    ini.setFromString("ALTITUDE = yards\nDISTANCE =\nSPEED = KM/H\nTEMPERATURE = celsius\nPRESSURE = 42\n"
                      "[metric]\nALTITUDE = m\nDISTANCE = km\nSPEED = m/s\nVERTICAL_SPEED = m/s\n"
                      "PRESSURE = hPa\nTEMPERATURE = Fahrenheit\n");
    UnitConverter converter;
    converter.readDefaultUnitsFromIni(ini, "metric");
    EXPECT_EQ(converter.formatAltitude(1000), L"1000 m");
    EXPECT_EQ(converter.formatTemperature(0), L"32 \u00B0F");

    // A later read replaces every earlier choice, bad values included.
    converter.readDefaultUnitsFromIni(ini, "");
    EXPECT_EQ(converter.getAltitudeUnit(), UnitConverter::FEET);
    EXPECT_EQ(converter.getDistanceUnit(), UnitConverter::NAUTICAL_MILES);
    EXPECT_EQ(converter.getSpeedUnit(), UnitConverter::KILOMETRES_PER_HOUR);
    EXPECT_EQ(converter.getVerticalSpeedUnit(), UnitConverter::FEET_PER_MINUTE);
    EXPECT_EQ(converter.getPressureUnit(), UnitConverter::INCHES_OF_MERCURY);
    EXPECT_EQ(converter.getTemperatureUnit(), UnitConverter::CELSIUS);

    converter.readDefaultUnitsFromIni(ini, "metric");
    converter.readDefaultUnitsFromIni(ini, "no such section");
    EXPECT_EQ(converter.formatAltitude(1000), L"3281 ft");
    EXPECT_EQ(converter.formatDistance(1852), L"1.0 NM");
    EXPECT_EQ(converter.formatSpeed(1852.0 / 3600 * 120), L"120 kt");
    EXPECT_EQ(converter.formatVerticalSpeed(0.3048 * 1000 / 60), L"1000 ft/min");
    EXPECT_EQ(converter.formatPressure(1013.25), L"29.92 inHg");
    EXPECT_EQ(converter.formatTemperature(15), L"15 \u00B0C");
}
