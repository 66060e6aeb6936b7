#include "gui/dialogs/SettingsForm.h"

#include <gtest/gtest.h>

TEST(SettingsForm, NumbersMustBeWholeAndInRange) {
    SettingsEntry i{"k", "l", "0", SettingsEntry::INT, {}};
    SettingsEntry d{"k", "l", "0", SettingsEntry::DOUBLE, {}};
    for (const char* good : {"-12", " 4000 ", "2147483647"}) EXPECT_TRUE(isValidSettingValue(i, good)) << good;
    for (const char* bad : {"", " ", "40x0", "4.5", "2147483648", "1e3", "--1"})
        EXPECT_FALSE(isValidSettingValue(i, bad)) << bad;
    for (const char* good : {"-0.5", "1e-3", " 3.25", ".5"}) EXPECT_TRUE(isValidSettingValue(d, good)) << good;
    for (const char* bad : {"", "1,5", "nan", "inf", "1e999", "0x10", "1.5kt"})
        EXPECT_FALSE(isValidSettingValue(d, bad)) << bad;
}
