#include "app/StandardConfig.h"

#include "base/IniFile.h"

#include <gtest/gtest.h>

TEST(StandardConfig, TextIsInTheProgramsOwnWrittenForm) {
    // Reading and writing it again changes nothing, so blanks in values are
    // stored escaped and the order is the written order.
    const std::string& text = getStandardConfigText();
    IniFile ini;
    ini.setFromString(text);
    EXPECT_EQ(ini.toString(), text);
    EXPECT_EQ(ini.get("", "font"), "Heebo Medium");
}
