#include "app/StandardConfig.h"

#include "base/IniFile.h"

#include <gtest/gtest.h>

TEST(StandardConfig, TextIsInTheProgramsOwnWrittenForm) {
    // Reading and writing it again changes nothing: blanks escaped, keys in the written order.
    const std::string& text = getStandardConfigText();
    IniFile ini;
    ini.setFromString(text);
    EXPECT_EQ(ini.toString(), text);
    EXPECT_EQ(ini.get("", "font"), "Heebo Medium");
}
