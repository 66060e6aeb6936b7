#pragma once
#include <cstdint>
#include <sstream>
#include <string>

// Conversions between text and numbers, and between the UTF-8 byte strings of
// files and the wide strings (32-bit characters) of user-visible text.
//
// Numbers use the standard stream formatting so that every configuration file
// written by the program reads the same everywhere: decimal integers, floating
// point in the stream's default format with 6 significant digits.

// Reads a T from the start of the text (leading whitespace skipped, trailing
// text ignored). Text that does not start with a T yields T{} (0 for numbers).
template <typename T>
T convertStringTo(const std::string& text) {
    std::istringstream in(text);
    T value{};
    in >> value;
    if (in.fail()) return T{};
    return value;
}

// The whole text, not only its first word.
template <>
inline std::string convertStringTo<std::string>(const std::string& text) {
    return text;
}

template <typename T>
std::string convertToString(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

namespace utf8 {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends the UTF-8 encoding of one code point. Surrogates and values beyond
// U+10FFFF cannot be encoded and are written as U+FFFD.
inline void appendCodePoint(std::string& out, uint32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacementCharacter;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point starting at text[pos]. Returns the number of bytes
// that form a valid, shortest-form sequence (1 to 4), or 0 when the byte at pos
// does not start one (stray continuation byte, overlong form, surrogate, value
// beyond U+10FFFF, truncated sequence). *cp receives the code point when valid.
inline size_t decodeCodePoint(const std::string& text, size_t pos, uint32_t* cp) {
    const size_t size = text.size();
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        *cp = lead;
        return 1;
    }
    size_t length;
    uint32_t value;
    uint32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > size) return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80) return 0;
        value = (value << 6) | (c & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    *cp = value;
    return length;
}

}  // namespace utf8

// UTF-8 to wide string. Each byte that does not belong to a valid sequence
// becomes one U+FFFD, so broken text stays visible and never swallows the
// valid characters that follow it.
inline std::wstring convertUtf8ToWString(const std::string& text) {
    static_assert(sizeof(wchar_t) == 4, "wide strings hold 32-bit characters");
    std::wstring out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        uint32_t cp = 0;
        const size_t length = utf8::decodeCodePoint(text, pos, &cp);
        if (length == 0) {
            out += static_cast<wchar_t>(utf8::kReplacementCharacter);
            ++pos;
        } else {
            out += static_cast<wchar_t>(cp);
            pos += length;
        }
    }
    return out;
}

// Wide string to UTF-8. Characters that are no Unicode scalar value
// (surrogates, negative or beyond U+10FFFF) are written as U+FFFD.
inline std::string convertWStringToUtf8String(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) utf8::appendCodePoint(out, static_cast<uint32_t>(c));
    return out;
}
