#include "gui/dialogs/SettingsForm.h"

#include <gtest/gtest.h>

TEST(SettingsForm, FieldsTakeTheSectionsUsableValuesAndWriteBackOnlyWhatIsEditable) {
    std::vector<SettingsEntry> entries;
    parseSettingsDescriptor("port,Port:,4000,INT;gain,Gain:,1.5,DOUBLE;useSerial,Serial,0,BOOLEAN;"
                            "flavor,Flavor:,Generic\\;Levil,ONE_OF;version,Version:,3.3,NOT_EDITABLE;broken,entry;",
                            entries);
    std::vector<SettingsField> f = makeSettingsFields(entries, {{"port", " 4001 "}, {"flavor", "Talos"}, {"useSerial", "7"}});
    // An unknown choice falls back to the default; any non-zero number is true.
    EXPECT_TRUE(f[2].value == "1" && f[3].value == "Generic");
    f[1].value = "abc";
    EXPECT_EQ(findInvalidSettings(f), std::vector<size_t>{1});
    f[1].value = "2";
    IniFile ini;
    writeSettings(f, ini, "S1");
    EXPECT_EQ(ini.getSection("S1"),
              (IniSection{{"port", "4001"}, {"gain", "2"}, {"useSerial", "1"}, {"flavor", "Generic"}}));
}

TEST(SettingsForm, NumbersMustBeWholeAndInRange) {
    SettingsEntry i{"k", "l", "0", SettingsEntry::INT, {}};
    SettingsEntry d{"k", "l", "0", SettingsEntry::DOUBLE, {}};
    for (const char* good : {"0", "-12", " 4000 ", "+7", "2147483647"}) EXPECT_TRUE(isValidSettingValue(i, good)) << good;
    for (const char* bad : {"", " ", "40x0", "4.5", "2147483648", "1e3", "--1"})
        EXPECT_FALSE(isValidSettingValue(i, bad)) << bad;
    for (const char* good : {"-0.5", "1e-3", " 3.25", ".5"}) EXPECT_TRUE(isValidSettingValue(d, good)) << good;
    for (const char* bad : {"", "1,5", "nan", "inf", "1e999", "0x10", "1.5kt"})
        EXPECT_FALSE(isValidSettingValue(d, bad)) << bad;
}
