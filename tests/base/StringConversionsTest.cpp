#include "base/StringConversions.h"

#include <gtest/gtest.h>

TEST(NumberConversion, LeadingNumberOrZero) {
    EXPECT_EQ(convertStringTo<int>("  12 rest"), 12);
    EXPECT_EQ(convertStringTo<int>("abc") + convertStringTo<int>(""), 0);
    EXPECT_DOUBLE_EQ(convertStringTo<double>("2.5e3"), 2500.0);
    EXPECT_EQ(convertStringTo<std::string>("two words"), "two words");
}

TEST(Utf8Codec, EncodesEveryLengthAndBoundary) {
    const std::string replacement = "\xEF\xBF\xBD";
    const std::pair<uint32_t, std::string> cases[] = {
        {0x00, std::string(1, '\0')}, {0x7F, "\x7F"}, {0x80, "\xC2\x80"}, {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"}, {0xFFFF, "\xEF\xBF\xBF"}, {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        // what UTF-8 cannot carry becomes the replacement character
        {0xD800, replacement}, {0x110000, replacement}, {0xFFFFFFFF, replacement},
    };
    for (const auto& [codePoint, utf8] : cases)
        EXPECT_EQ(convertWStringToUtf8String(std::wstring(1, static_cast<wchar_t>(codePoint))), utf8) << codePoint;
}

TEST(Utf8Codec, EachInvalidByteBecomesOneReplacementCharacter) {
    const wchar_t r = 0xFFFD;
    const std::pair<const char*, std::wstring> cases[] = {
        {"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x9B\xA9", L"Gr\u00FC\u00DFe \u20AC \U0001F6E9"},  // valid
        {"a\x80" "b", {L'a', r, L'b'}},          // stray continuation
        {"\xC0\xAF", {r, r}},                    // overlong '/'
        {"\xE0\x80\xAF", {r, r, r}},             // overlong 3-byte
        {"\xED\xA0\x80", {r, r, r}},             // surrogate
        {"\xF4\x90\x80\x80", {r, r, r, r}},      // beyond U+10FFFF
        {"\xE2\x82", {r, r}},                    // truncated
        {"\xE2\x82" "A", {r, r, L'A'}},          // the next character survives
        {"\xFF\xFE", {r, r}},
    };
    for (const auto& [utf8, expected] : cases) EXPECT_EQ(convertUtf8ToWString(utf8), expected) << utf8;
}

TEST(Utf8Codec, AllCodePointsRoundTrip) {
    std::wstring all;
    for (uint32_t cp = 0; cp <= 0x10FFFF; cp += (cp < 0x3000 ? 1 : 97))
        if (cp < 0xD800 || cp > 0xDFFF) all += static_cast<wchar_t>(cp);  // no surrogates
    all += static_cast<wchar_t>(0x10FFFF);
    EXPECT_EQ(convertUtf8ToWString(convertWStringToUtf8String(all)), all);
}
