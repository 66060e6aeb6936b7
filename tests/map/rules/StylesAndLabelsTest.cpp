#include <gtest/gtest.h>

#include "RulesTestElements.h"
#include "base/IniFile.h"
#include "map/rules/AirspaceStyle.h"
#include "map/rules/GroundGeometryStyle.h"
#include "map/rules/MapLabels.h"

namespace {

int brightness(const MapColour& c) { return c.r + c.g + c.b; }

TEST(MapStyles, nightLightsTheLinesAndSinksTheFillsRestrictedRedControlledBlue) {
    const ShapeStyle day = getAirspaceStyle(classifyAirspace("r"), MapPalette::DAY);
    const ShapeStyle night = getAirspaceStyle(classifyAirspace("r"), MapPalette::NIGHT);
    EXPECT_GT(brightness(night.line), brightness(day.line));
    EXPECT_GT(day.line.r, 3 * day.line.b);
    const MapColour controlled = getAirspaceStyle(classifyAirspace("C"), MapPalette::DAY).line;
    EXPECT_GT(controlled.b, 3 * controlled.r);
    const ShapeStyle lake = getGroundGeometryStyle(G::WATER, true, MapPalette::NIGHT);
    EXPECT_LT(brightness(lake.fill), brightness(getMapBackground(MapPalette::DAY)) / 2);
    EXPECT_GT(lake.fill.b, lake.fill.r);
    EXPECT_EQ(getGroundGeometryStyle(G::WATER, false, MapPalette::DAY).fill.a, 0);
    EXPECT_EQ(classifyAirspace("CTR2"), AirspaceCategory::OTHER);
}

TEST(MapLabels, airspaceLimitsInThePilotsUnitsAndNavaidFrequencies) {
    AirspaceElement airspace = airspaceOf("C", 2500);
    airspace.top = 12500, airspace.topReference = AirspaceElement::FL;
    EXPECT_EQ(getMapLabel(airspace, nullptr), L"C 2500 ft - FL125");
    IniFile config;
    config.set("", "ALTITUDE", "m");
    units::UnitConverter metric;
    metric.readDefaultUnitsFromIni(config, "");
    airspace.airspaceClass.clear(), airspace.bottom = 0, airspace.bottomReference = AirspaceElement::AGL;
    airspace.top = 2500, airspace.topReference = AirspaceElement::MSL;
    EXPECT_EQ(getMapLabel(airspace, &metric), L"GND - 762 m");
    VORElement vor;
    vor.ident = "WLD", vor.frequencyMHz = 112, vor.frequencyKHz = 300, vor.name = "WALDA";
    EXPECT_EQ(getMapLabel(vor, nullptr), L"WLD 112.300");
    vor.vorType = VORElement::TACAN, vor.tacanChannel = "102X";
    EXPECT_EQ(getMapLabel(vor, nullptr), L"WLD CH 102X");
}

}  // namespace
