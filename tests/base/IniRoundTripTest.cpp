// Property: any configuration of byte strings (every byte value allowed in
// section names, keys and values) comes back identical after being written
// as text and read again. The one exception the format makes:
// blanks at the end of a key are layout and dropped on reading (tested in
// IniFileTest), so generated keys never end in a blank.
#include "base/IniFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

namespace {

class RandomIni {
public:
    explicit RandomIni(uint32_t seed) : rng(seed) {}

    // Biased towards the bytes the format treats specially, so that escapes,
    // blanks at the edges and malformed-looking sequences occur often.
    std::string text(size_t maxLength, bool nonEmpty) {
        static const char special[] = {'\n', '\r', '\t', ' ', '\\', '#', ';', '[', ']', '=', 'n', 't', '0', '\0'};
        std::uniform_int_distribution<size_t> lengthDist(nonEmpty ? 1 : 0, maxLength);
        std::uniform_int_distribution<int> byteDist(0, 255);
        std::uniform_int_distribution<int> pick(0, 2);
        std::uniform_int_distribution<size_t> specialDist(0, sizeof special - 1);
        std::string out(lengthDist(rng), '\0');
        for (char& c : out) c = pick(rng) == 0 ? special[specialDist(rng)] : static_cast<char>(byteDist(rng));
        return out;
    }

    IniFile file() {
        IniFile ini;
        std::uniform_int_distribution<int> sectionCount(0, 6);
        std::uniform_int_distribution<int> keyCount(1, 8);  // a section without keys has nothing to write
        int sections = sectionCount(rng);
        for (int s = 0; s < sections; ++s) {
            std::string name = s == 0 ? std::string() : text(12, false);
            int keys = keyCount(rng);
            for (int k = 0; k < keys; ++k) {
                std::string key = text(10, true);
                if (key.back() == ' ') key.back() = '_';
                ini.set(name, key, text(16, false));
            }
        }
        return ini;
    }

private:
    std::mt19937 rng;
};

}  // namespace

TEST(IniRoundTrip, RandomByteStringsSurviveToStringAndParse) {
    RandomIni random(20240611);
    for (int i = 0; i < 3000; ++i) {
        IniFile ini = random.file();
        IniFile back;
        back.setFromString(ini.toString());
        ASSERT_EQ(back.getSections(), ini.getSections()) << "iteration " << i << "\n" << ini.toString();
    }
}

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
