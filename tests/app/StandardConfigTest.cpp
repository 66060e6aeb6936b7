#include "app/StandardConfig.h"

#include "base/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(StandardConfig, UnnamedSectionHoldsExactlyTheStandardSettings) {
    IniSection expected = {
        {"ALTITUDE", "ft"}, {"DISTANCE", "NM"}, {"SPEED", "knots"}, {"VERTICAL_SPEED", "ft/min"},
        {"PRESSURE", "Hg"}, {"TEMPERATURE", "Celcius"}, {"units", "ft|nm|knots"},
        {"ForwarderCount", "0"}, {"PanelCount", "311"}, {"SensorCount", "1"},
        {"blacklist", "AMA, PROTECT, FIR, O, DO, OTHER, UIR, E, CTA, AOR, AOR-S, MVA, MVA-S, MRVA, ZONE"},
        {"deriveVerticalSpeedFromPressure", "1"}, {"drawFPS", "0"}, {"enableTrafficWarnings", "1"},
        {"trafficWarningAlitude", "10000"}, {"font", "Heebo Medium"}, {"fontOffset", "0"},
        {"inputColor.R", "200"}, {"inputColor.G", "200"}, {"inputColor.B", "200"}, {"inputColor.A", "255"},
        {"major", "3"}, {"minor", "3"}, {"messagesDisabled", "0"}, {"optimized", ""},
        {"orientation", "landscape"}, {"preLandingReminder", ""}, {"screenMode", "Auto"}, {"showPopups", "0"},
        {"skinMode", "Modern Dark"}, {"terrainDetailLevel", "HIGH"}, {"trackMode", "True North"},
        {"useColoredButtons", "0"}};
    for (int d = 0; d <= 22; ++d) expected["D" + std::to_string(d)] = "0";

    IniFile ini;
    ini.setFromString(getStandardConfigText());
    EXPECT_EQ(ini.getSection(""), expected);
}

TEST(StandardConfig, BlanksInValuesAreStoredEscaped) {
    const std::string& text = getStandardConfigText();
    // The text is in the program's own written form (blanks escaped):
    // reading and writing it again changes nothing.
    IniFile ini;
    ini.setFromString(text);
    EXPECT_EQ(ini.toString(), text);
}

TEST(StandardConfig, WritesConfigWithTheGivenVersionReplacingTheOldFile) {
    TempDir home;
    std::filesystem::create_directory(home / "data");
    writeWholeFile(home / "data/config.ini", "[P0]\nPage = 7\n");

    ASSERT_TRUE(writeStandardConfigFile(home.path()));
    IniFile written(home / "data/config.ini");
    EXPECT_EQ(written.get("", "major"), "3");
    EXPECT_EQ(written.get("", "minor"), "3");
    EXPECT_FALSE(written.isAvailable("P0", "Page"));
    EXPECT_EQ(written.get("", "font"), "Heebo Medium");

    ASSERT_TRUE(writeStandardConfigFile(home.path(), 4, 12));
    IniFile newer(home / "data/config.ini");
    EXPECT_EQ(newer.get("", "major"), "4");
    EXPECT_EQ(newer.get("", "minor"), "12");
}

TEST(StandardConfig, FailsWhenTheDataDirectoryIsMissing) {
    TempDir home;
    EXPECT_FALSE(writeStandardConfigFile(home.path()));
}
