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

#define QUANTITY(key, name) {key, &UnitConverter::to##name, &UnitConverter::from##name, &UnitConverter::format##name}
const Quantity kQuantities[] = {QUANTITY("ALTITUDE", Altitude), QUANTITY("DISTANCE", Distance),
                                QUANTITY("SPEED", Speed),       QUANTITY("VERTICAL_SPEED", VerticalSpeed),
                                QUANTITY("PRESSURE", Pressure), QUANTITY("TEMPERATURE", Temperature)};
#undef QUANTITY

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

// Rounding edges: NM shows tenths only while the shown value stays below 10;
// no "-0.0"; halves round away from zero.
const Case kCases[] = {
    {"ALTITUDE", "ft", 1066.8, 3500, L"3500 ft"},           {"ALTITUDE", "m", 1066.8, 1066.8, L"1067 m"},
    {"DISTANCE", "NM", 18445.92, 9.96, L"10 NM"},           {"DISTANCE", "km", 9949, 9.949, L"9.9 km"},
    {"DISTANCE", "SM", -64.37376, -0.04, L"0.0 SM"},        {"DISTANCE", "mi", 3218.688, 2, L"2.0 SM"},
    {"SPEED", "knots", 1852.0 / 36, 100, L"100 kt"},        {"SPEED", "km/h", 10, 36, L"36 km/h"},
    {"SPEED", "mph", 44.704, 100, L"100 mph"},              {"SPEED", "m/s", 2.5, 2.5, L"3 m/s"},
    {"VERTICAL_SPEED", "ft/min", -2.54, -500, L"-500 ft/min"}, {"VERTICAL_SPEED", "m/s", -0.4, -0.4, L"0 m/s"},
    {"PRESSURE", "Hg", 1013.25, 29.9213, L"29.92 inHg"},    {"PRESSURE", "hPa", 1013.25, 1013.25, L"1013 hPa"},
    {"PRESSURE", "mmHg", 1013.25, 760, L"760 mmHg"},        {"TEMPERATURE", "Celcius", -0.5, -0.5, L"-1 \u00B0C"},
    {"TEMPERATURE", "Fahrenheit", -40, -40, L"-40 \u00B0F"}, {"TEMPERATURE", "Fahrenheit", 100, 212, L"212 \u00B0F"},
};

}  // namespace

TEST(UnitConverter, ConvertsFormatsAndRoundTripsEveryConfiguredUnit) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.value);
        IniFile ini;
        ini.set("", c.key, c.value);
        UnitConverter converter;
        converter.readDefaultUnitsFromIni(ini, "");
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

    // A later read replaces every earlier choice, bad values included; a
    // missing section is a section without values.
    converter.readDefaultUnitsFromIni(ini, "");
    EXPECT_EQ(converter.getSpeedUnit(), UnitConverter::KILOMETRES_PER_HOUR);  // the spelling is not case sensitive
    EXPECT_EQ(converter.getTemperatureUnit(), UnitConverter::CELSIUS);
    EXPECT_EQ(converter.formatAltitude(1000) + converter.formatDistance(1852) + converter.formatPressure(1013.25),
              L"3281 ft1.0 NM29.92 inHg");  // yards, nothing and 42 are no units
    converter.readDefaultUnitsFromIni(ini, "metric");
    converter.readDefaultUnitsFromIni(ini, "no such section");
    EXPECT_EQ(converter.formatAltitude(1000), L"3281 ft");
    EXPECT_EQ(converter.formatDistance(1852), L"1.0 NM");
    EXPECT_EQ(converter.formatSpeed(1852.0 / 3600 * 120), L"120 kt");
    EXPECT_EQ(converter.formatVerticalSpeed(0.3048 * 1000 / 60), L"1000 ft/min");
    EXPECT_EQ(converter.formatPressure(1013.25), L"29.92 inHg");
    EXPECT_EQ(converter.formatTemperature(15), L"15 \u00B0C");
}
