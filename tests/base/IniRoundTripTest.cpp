// Property: any configuration of byte strings (every byte value allowed in
// section names, keys and values) comes back identical after being written
// as text and read again. The one exception the format makes: blanks at the
// end of a key are layout and dropped on reading (tested in IniFileTest).
// Random configurations are the fuzz target's (tests/base/fuzz/fuzz_ini.cpp).
#include "base/IniFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(IniRoundTrip, EverySingleByteInEveryPosition) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        // A blank cannot end a key (see above): it goes in front there.
        const std::string keyEnd = b == ' ' ? byte + "k" : byte;
        IniFile ini;
        ini.set(byte, keyEnd, byte);
        ini.set("", keyEnd, byte + byte);
        ini.set("s", "k" + keyEnd, byte + "v");
        IniFile back;
        back.setFromString(ini.toString());
        ASSERT_EQ(back.getSections(), ini.getSections()) << "byte " << b;
    }
}
