#include "sensors/SettingsDescriptor.h"

#include <gtest/gtest.h>

TEST(SettingsDescriptor, EveryTypeIsReadAndMalformedEntriesStayInPlaceAsSyntaxErrors) {
    std::vector<SettingsEntry> entries;
    std::vector<std::string> errors;
    // Empty pieces between separators are no entries; "\;" separates choices only.
    EXPECT_FALSE(parseSettingsDescriptor(
        "a,A:,1,INT;;b,B:,0.5,DOUBLE;c,C:,x y,STRING;d,D:,1,BOOLEAN;e,E:,one\\;two\\;,ONE_OF;"
        "f,F:,fixed,NOT_EDITABLE;g,G:,1,FLOAT;h,H:,1;i,I:,1,INT,extra;",
        entries, &errors));
    ASSERT_EQ(entries.size(), 9u);
    const SettingsEntry::Type types[] = {SettingsEntry::INT,          SettingsEntry::DOUBLE,       SettingsEntry::STRING,
                                         SettingsEntry::BOOLEAN,      SettingsEntry::ONE_OF,       SettingsEntry::NOT_EDITABLE,
                                         SettingsEntry::SYNTAX_ERROR, SettingsEntry::SYNTAX_ERROR, SettingsEntry::SYNTAX_ERROR};
    for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].type, types[i]) << i;
    EXPECT_EQ(entries[2].defaultValue, "x y");
    EXPECT_EQ(entries[4].choices, (std::vector<std::string>{"one", "two", ""}));
    EXPECT_EQ(entries[4].defaultValue, "one");
    EXPECT_EQ(entries[7].label, "Syntax error");
    EXPECT_EQ(errors, (std::vector<std::string>{"ERROR: Unknown setting type \"FLOAT\" for IniEditor.",
                                                kSettingsArgumentCountError, kSettingsArgumentCountError}));

    // Defaults cover the readable entries only, and completing a section
    // never overwrites what the pilot set.
    IniFile ini;
    ini.set("S", "a", "7");
    completeSettingsSection(&ini, "S", entries);
    EXPECT_EQ(ini.get("S", "a"), "7");
    EXPECT_EQ(ini.get("S", "e"), "one");
    EXPECT_FALSE(ini.isAvailable("S", "g"));
    EXPECT_EQ(getSettingsDefaults(entries).size(), 6u);
}
