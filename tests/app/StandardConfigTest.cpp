#include "app/StandardConfig.h"

#include "base/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(StandardConfig, TextIsInTheProgramsOwnWrittenForm) {
    // Reading and writing it again changes nothing, so blanks in values are
    // stored escaped and the order is the written order.
    const std::string& text = getStandardConfigText();
    IniFile ini;
    ini.setFromString(text);
    EXPECT_EQ(ini.toString(), text);
    EXPECT_EQ(ini.get("", "font"), "Heebo Medium");
}

TEST(StandardConfig, WritesConfigWithTheGivenVersionReplacingTheOldFile) {
    TempDir home;
    EXPECT_FALSE(writeStandardConfigFile(home.path()));  // no data directory yet
    std::filesystem::create_directory(home / "data");
    writeWholeFile(home / "data/config.ini", "[P0]\nPage = 7\n");

    ASSERT_TRUE(writeStandardConfigFile(home.path()));
    IniFile written(home / "data/config.ini");
    EXPECT_EQ(written.get("", "major") + "." + written.get("", "minor"), "3.3");
    EXPECT_FALSE(written.isSectionAvailable("P0"));

    ASSERT_TRUE(writeStandardConfigFile(home.path(), 4, 12));
    IniFile newer(home / "data/config.ini");
    EXPECT_EQ(newer.get("", "major") + "." + newer.get("", "minor"), "4.12");
}
