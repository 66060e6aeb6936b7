#include "gui/dialogs/SettingsForm.h"

#include <gtest/gtest.h>

namespace {
std::vector<SettingsField> fieldsOf(const std::string& descriptor, const IniSection& section) {
    std::vector<SettingsEntry> entries;
    parseSettingsDescriptor(descriptor, entries);
    return makeSettingsFields(entries, section);
}
const char* const kAllTypes =
    "port,Port (UDP):,4000,INT;gain,Gain:,1.5,DOUBLE;node,Device Node: ,/dev/ttyUSB0,STRING;"
    "useSerial,Use Serial Port,0,BOOLEAN;flavor,Flavor:,Generic\\;Talos\\;Levil,ONE_OF;"
    "version,Version:,3.3,NOT_EDITABLE;broken,entry;";
}  // namespace

TEST(SettingsForm, FieldsTakeTheSectionsValuesAndFallBackToDefaultsForUnusableOnes) {
    std::vector<SettingsField> f = fieldsOf(kAllTypes, {{"port", "4001"}, {"flavor", "Levil"}, {"useSerial", "7"}});
    ASSERT_EQ(f.size(), 7u);
    std::vector<std::string> values;
    for (const SettingsField& x : f) values.push_back(x.value);
    EXPECT_EQ(values, (std::vector<std::string>{"4001", "1.5", "/dev/ttyUSB0", "1", "Levil", "3.3", ""}));
    EXPECT_EQ(f[6].entry.type, SettingsEntry::SYNTAX_ERROR);
    EXPECT_EQ(f[6].entry.label, "Syntax error");

    f = fieldsOf(kAllTypes, {{"flavor", "uAvionix"}, {"useSerial", "yes"}, {"version", "9"}});
    EXPECT_EQ(f[4].value, "Generic");
    EXPECT_EQ(f[3].value, "0");
    EXPECT_EQ(f[5].value, "9");  // fixed values show what the file holds
}

TEST(SettingsForm, NumbersMustBeWholeAndInRange) {
    SettingsEntry i{"k", "l", "0", SettingsEntry::INT, {}};
    SettingsEntry d{"k", "l", "0", SettingsEntry::DOUBLE, {}};
    for (const char* good : {"0", "-12", " 4000 ", "+7", "2147483647"}) EXPECT_TRUE(isValidSettingValue(i, good)) << good;
    for (const char* bad : {"", " ", "40x0", "4.5", "2147483648", "1e3", "--1"})
        EXPECT_FALSE(isValidSettingValue(i, bad)) << bad;
    for (const char* good : {"0", "-0.5", "1e-3", " 3.25", ".5"}) EXPECT_TRUE(isValidSettingValue(d, good)) << good;
    for (const char* bad : {"", "1,5", "nan", "inf", "1e999", "0x10", "1.5kt"})
        EXPECT_FALSE(isValidSettingValue(d, bad)) << bad;
}

TEST(SettingsForm, WritingSkipsFixedAndBrokenEntriesAndTrimsNumbers) {
    std::vector<SettingsField> f = fieldsOf(kAllTypes, {});
    f[0].value = " 4002 ";
    f[1].value = "abc";
    f[2].value = " /dev/ttyS0";
    EXPECT_EQ(findInvalidSettings(f), std::vector<size_t>{1});
    f[1].value = "2";
    EXPECT_TRUE(findInvalidSettings(f).empty());
    IniFile ini;
    ini.set("S1", "FactoryIndex", "6");
    writeSettings(f, ini, "S1");
    EXPECT_EQ(ini.getSection("S1"), (IniSection{{"FactoryIndex", "6"}, {"port", "4002"}, {"gain", "2"},
                                               {"node", " /dev/ttyS0"}, {"useSerial", "0"}, {"flavor", "Generic"}}));
}
