// Texts of the one-segment values and the glide computations: units,
// missing data and the values that must not be made up.
#include <gtest/gtest.h>

#include "base/IniFile.h"
#include "base/UnitConverter.h"
#include "panels/instruments/GlidePanels.h"
#include "panels/instruments/InstrumentMath.h"
#include "panels/instruments/OneSegmentText.h"

namespace {

units::UnitConverter metricAltitude() {
    IniFile ini;
    ini.setFromString("ALTITUDE = m\nSPEED = km/h\n");
    units::UnitConverter u;
    u.readDefaultUnitsFromIni(ini, "");
    return u;
}

TEST(OneSegmentText, ValuesInThePilotsUnitsAndDashesWithoutData) {
    const units::UnitConverter feet;
    OneSegmentInputs in;
    EXPECT_EQ(oneSegmentText(OneSegmentType::HEADING, in, feet).value, L"---");
    in.headingDegrees = 0.2;
    EXPECT_EQ(oneSegmentText(OneSegmentType::HEADING, in, feet).value, L"360\u00b0");
    in.headingDegrees = 7.4;
    EXPECT_EQ(oneSegmentText(OneSegmentType::HEADING, in, feet).value, L"007\u00b0");
    in.altitudeMetres = 1000;
    EXPECT_EQ(oneSegmentText(OneSegmentType::ALTITUDE, in, feet).value, feet.formatAltitude(1000));
    const units::UnitConverter metric = metricAltitude();
    EXPECT_NE(oneSegmentText(OneSegmentType::ALTITUDE, in, metric).value,
              oneSegmentText(OneSegmentType::ALTITUDE, in, feet).value);
    in.satellites = -1;
    EXPECT_EQ(oneSegmentText(OneSegmentType::SATCOUNT, in, feet).value, L"---");
    in.hour = 7, in.minute = 5, in.second = 9;
    EXPECT_EQ(oneSegmentText(OneSegmentType::UTC, in, feet).value, L"07:05:09");
    EXPECT_EQ(oneSegmentText(OneSegmentType::UTC, in, feet).label, L"UTC (system)");
}

TEST(OneSegmentText, RouteAndTerrainValuesSayWhyTheyAreMissing) {
    const units::UnitConverter u;
    for (const char* name : {"ETE", "DISTANCE", "BEARING", "NEXTWPT", "ETA"})
        EXPECT_EQ(oneSegmentText(parseOneSegmentType(name), {}, u).value, L"no route") << name;
    EXPECT_EQ(oneSegmentText(OneSegmentType::ALTITUDE_AGL, {}, u).value, L"no terrain");
    EXPECT_EQ(parseOneSegmentType("PRESSURE_ALTITUDE_INSIDE"), OneSegmentType::PRESSURE_ALTITUDE_INSIDE);
    EXPECT_EQ(parseOneSegmentType("heading"), OneSegmentType::UNKNOWN);
    OneSegmentInputs in;
    in.warningLevel = 1;
    EXPECT_EQ(oneSegmentText(OneSegmentType::DEFAULTSENSORS, in, u).value, L"CHECK");
}

TEST(GlideInfo, RatioOnlyWhileDescendingAndRangeFromAltitude) {
    // 60 kt with 2 m/s sink: 30.87 m/s over 2 m/s.
    const GlideInfo g = computeGlideInfo(60.0, -2.0, 1000.0, 9.35);
    ASSERT_TRUE(g.currentRatio.has_value());
    EXPECT_NEAR(*g.currentRatio, 60 * 1852.0 / 3600.0 / 2.0, 1e-9);
    EXPECT_NEAR(*g.rangeMetres, 9350.0, 1e-9);
    EXPECT_FALSE(computeGlideInfo(60.0, -0.2, 1000.0, 9.35).currentRatio.has_value());
    EXPECT_FALSE(computeGlideInfo(60.0, 1.0, std::nullopt, 9.35).rangeMetres.has_value());
    EXPECT_FALSE(computeGlideInfo(std::nullopt, -3.0, 1000.0, 9.35).currentRatio.has_value());
}

TEST(GlideInfo, RunningAverageForgetsValuesOutsideItsWindow) {
    RunningAverage a(20.0);
    EXPECT_FALSE(a.get().has_value());
    a.add(4.0, 0.0);
    a.add(2.0, 10.0);
    EXPECT_DOUBLE_EQ(*a.get(), 3.0);
    a.add(0.0, 25.0);  // the value at 0 s is now older than 20 s
    EXPECT_DOUBLE_EQ(*a.get(), 1.0);
}

TEST(InstrumentScales, TurnBallAndGMeterStopAtTheirEnds) {
    EXPECT_DOUBLE_EQ(turnSymbolBank(3.0), 20.0);
    EXPECT_DOUBLE_EQ(turnSymbolBank(-30.0), -40.0);
    EXPECT_DOUBLE_EQ(slipBallOffset(0.0, -9.81), 0.0);
    EXPECT_NEAR(slipBallOffset(0.981, -9.81), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(slipBallOffset(-5.0, -9.81), -1.0);
    EXPECT_DOUBLE_EQ(slipBallOffset(3.0, 0.1), 0.0);  // no gravity to compare with
    EXPECT_DOUBLE_EQ(gMeterAngle(-2.0), -135.0);
    EXPECT_DOUBLE_EQ(gMeterAngle(6.0), 135.0);
    EXPECT_DOUBLE_EQ(gMeterAngle(9.0), 135.0);
    EXPECT_DOUBLE_EQ(gMeterAngle(1.0), -135.0 + 270.0 * 3.0 / 8.0);
}

}  // namespace
