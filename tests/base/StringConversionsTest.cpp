#include "base/StringConversions.h"

#include <gtest/gtest.h>

TEST(NumberConversion, StandardStreamFormatting) {
    EXPECT_EQ(convertToString(42), "42");
    EXPECT_EQ(convertToString(-7L), "-7");
    EXPECT_EQ(convertToString(3.14159265), "3.14159");  // 6 significant digits
    EXPECT_EQ(convertToString(1234567.0), "1.23457e+06");
    EXPECT_EQ(convertToString(0.5f), "0.5");
    EXPECT_EQ(convertToString(100.0), "100");
}

TEST(NumberConversion, ReadsTheLeadingNumberOrZero) {
    EXPECT_EQ(convertStringTo<int>("  12 rest"), 12);
    EXPECT_EQ(convertStringTo<int>("-3"), -3);
    EXPECT_EQ(convertStringTo<int>(""), 0);
    EXPECT_EQ(convertStringTo<int>("abc"), 0);
    EXPECT_DOUBLE_EQ(convertStringTo<double>("2.5e3"), 2500.0);
    EXPECT_DOUBLE_EQ(convertStringTo<double>("x"), 0.0);
    EXPECT_EQ(convertStringTo<unsigned>("3"), 3u);
    EXPECT_EQ(convertStringTo<std::string>("two words"), "two words");
}

TEST(Utf8Codec, EncodesEveryLengthAndBoundary) {
    EXPECT_EQ(convertWStringToUtf8String(L"A"), "A");
    EXPECT_EQ(convertWStringToUtf8String(std::wstring(1, L'\x7F')), "\x7F");
    EXPECT_EQ(convertWStringToUtf8String(L"\u0080"), "\xC2\x80");
    EXPECT_EQ(convertWStringToUtf8String(L"\u07FF"), "\xDF\xBF");
    EXPECT_EQ(convertWStringToUtf8String(L"\u0800"), "\xE0\xA0\x80");
    EXPECT_EQ(convertWStringToUtf8String(L"\uFFFF"), "\xEF\xBF\xBF");
    EXPECT_EQ(convertWStringToUtf8String(L"\U00010000"), "\xF0\x90\x80\x80");
    EXPECT_EQ(convertWStringToUtf8String(L"\U0010FFFF"), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(convertWStringToUtf8String(std::wstring(1, L'\0')), std::string(1, '\0'));
}

TEST(Utf8Codec, UnencodableCharactersBecomeReplacementCharacters) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(convertWStringToUtf8String(std::wstring(1, static_cast<wchar_t>(0xD800))), replacement);
    EXPECT_EQ(convertWStringToUtf8String(std::wstring(1, static_cast<wchar_t>(0x110000))), replacement);
    EXPECT_EQ(convertWStringToUtf8String(std::wstring(1, static_cast<wchar_t>(-1))), replacement);
}

TEST(Utf8Codec, DecodesValidText) {
    EXPECT_EQ(convertUtf8ToWString("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x9B\xA9"), L"Gr\u00FC\u00DFe \u20AC \U0001F6E9");
}

TEST(Utf8Codec, EachInvalidByteBecomesOneReplacementCharacter) {
    const wchar_t r = 0xFFFD;
    EXPECT_EQ(convertUtf8ToWString("a\x80" "b"), (std::wstring{L'a', r, L'b'}));        // stray continuation
    EXPECT_EQ(convertUtf8ToWString("\xC0\xAF"), (std::wstring{r, r}));                 // overlong '/'
    EXPECT_EQ(convertUtf8ToWString("\xE0\x80\xAF"), (std::wstring{r, r, r}));          // overlong 3-byte
    EXPECT_EQ(convertUtf8ToWString("\xED\xA0\x80"), (std::wstring{r, r, r}));          // surrogate
    EXPECT_EQ(convertUtf8ToWString("\xF4\x90\x80\x80"), (std::wstring{r, r, r, r}));   // beyond U+10FFFF
    EXPECT_EQ(convertUtf8ToWString("\xE2\x82"), (std::wstring{r, r}));                 // truncated
    EXPECT_EQ(convertUtf8ToWString("\xE2\x82" "A"), (std::wstring{r, r, L'A'}));       // next char survives
    EXPECT_EQ(convertUtf8ToWString("\xFF\xFE"), (std::wstring{r, r}));
}

TEST(Utf8Codec, AllCodePointsRoundTrip) {
    std::wstring all;
    for (uint32_t cp = 0; cp <= 0x10FFFF; cp += (cp < 0x3000 ? 1 : 97)) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        all += static_cast<wchar_t>(cp);
    }
    all += static_cast<wchar_t>(0x10FFFF);
    EXPECT_EQ(convertUtf8ToWString(convertWStringToUtf8String(all)), all);
}
