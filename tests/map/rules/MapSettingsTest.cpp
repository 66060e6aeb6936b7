#include <gtest/gtest.h>

#include "map/rules/MapSettings.h"

namespace {

TEST(MapSettings, changedValuesSurviveTheFileAndTheOptionPageListsEveryKey) {
    MapSettings changed;
    changed.backgroundMap = MapSettings::HIGH_IFR_BACKGROUND;
    changed.lowObstacles = true, changed.water = false, changed.coastlines = true;
    changed.airspacesBelow = 12500, changed.noseLength = 3, changed.textSize = 1.25;
    IniFile file;
    IniSection section;
    changed.writeToIni(section);
    file.setSection("Map2D", section);
    IniFile reread;
    reread.setFromString(file.toString());
    const IniSection& back = reread.getSection("Map2D");
    EXPECT_EQ(back.at("bgType"), "high ifr");
    EXPECT_EQ(back.size(), getMapSettingEntries().size());

    const MapSettings read = MapSettings::fromIni(back);
    EXPECT_EQ(read.backgroundMap, MapSettings::HIGH_IFR_BACKGROUND);
    EXPECT_TRUE(read.lowObstacles && read.coastlines && !read.water && read.terrainEnable);
    EXPECT_EQ(read.airspacesBelow, 12500);
    EXPECT_EQ(read.noseLength, 3);
    EXPECT_DOUBLE_EQ(read.textSize, 1.25);
    for (const MapSettingEntry& entry : getMapSettingEntries()) EXPECT_EQ(back.count(entry.key), 1u) << entry.key;
}

TEST(MapSettings, unreadableValuesKeepTheDefaults) {
    const MapSettings read = MapSettings::fromIni(
        {{"bgType", "4"}, {"airspacesBelow", "high"}, {"textSize", ""}, {"water", "0"}, {"marks", "x"}});
    const MapSettings defaults;
    EXPECT_EQ(read.backgroundMap, MapSettings::AUTO_BACKGROUND);
    EXPECT_EQ(read.airspacesBelow, defaults.airspacesBelow);
    EXPECT_EQ(read.textSize, defaults.textSize);
    EXPECT_EQ(read.marks, defaults.marks);
    EXPECT_FALSE(read.water);
    EXPECT_EQ(MapSettings::fromIni({{"bgType", "7"}}).backgroundMap, defaults.backgroundMap);
}

TEST(MapSettings, descriptorHasOneEntryPerSettingWithTheChoicesOfTheBackground) {
    const std::string descriptor = getMapSettingsDescriptor();
    EXPECT_EQ(descriptor.find("bgType,Background Map: ,none\\;vfr\\;low ifr\\;high ifr\\;auto,ONE_OF;"), 0u);
    EXPECT_NE(descriptor.find(";textSize,Text Size 1=100%: ,1,DOUBLE;"), std::string::npos);
    size_t ends = 0;
    for (size_t i = 0; i < descriptor.size(); ++i) ends += descriptor[i] == ';' && descriptor[i - 1] != '\\';
    EXPECT_EQ(ends, getMapSettingEntries().size());
}

}  // namespace
