#include <gtest/gtest.h>

#include "map/rules/MapSettings.h"

namespace {

TEST(MapSettings, changedValuesSurviveTheFileUnderEveryKeyOfTheOptionPage) {
    MapSettings changed;
    changed.backgroundMap = MapSettings::HIGH_IFR_BACKGROUND;
    changed.lowObstacles = true, changed.water = false, changed.airspacesBelow = 12500, changed.textSize = 1.25;
    IniFile file;
    IniSection section;
    changed.writeToIni(section);
    file.setSection("Map2D", section);
    IniFile reread;
    reread.setFromString(file.toString());
    const IniSection& back = reread.getSection("Map2D");
    EXPECT_EQ(back.at("bgType"), "high ifr");
    for (const MapSettingEntry& entry : getMapSettingEntries()) EXPECT_EQ(back.count(entry.key), 1u) << entry.key;
    const MapSettings read = MapSettings::fromIni(back);
    EXPECT_EQ(read.backgroundMap, MapSettings::HIGH_IFR_BACKGROUND);
    EXPECT_TRUE(read.lowObstacles && !read.water && read.terrainEnable);
    EXPECT_EQ(read.airspacesBelow, 12500);
    EXPECT_DOUBLE_EQ(read.textSize, 1.25);
}

TEST(MapSettings, unreadableValuesKeepTheDefaultsAndTheBackgroundReadsByNumberToo) {
    const MapSettings read = MapSettings::fromIni({{"bgType", "4"}, {"airspacesBelow", "high"}, {"marks", "x"}});
    EXPECT_EQ(read.backgroundMap, MapSettings::AUTO_BACKGROUND);
    EXPECT_EQ(read.airspacesBelow, MapSettings().airspacesBelow);
    EXPECT_EQ(read.marks, MapSettings().marks);
    EXPECT_EQ(MapSettings::fromIni({{"bgType", "7"}}).backgroundMap, MapSettings().backgroundMap);
    const std::string descriptor = getMapSettingsDescriptor();
    EXPECT_EQ(descriptor.find("bgType,Background Map: ,none\\;vfr\\;low ifr\\;high ifr\\;auto,ONE_OF;drawNose,"), 0u);
}

}  // namespace
