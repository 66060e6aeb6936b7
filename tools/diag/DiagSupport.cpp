#include "DiagSupport.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "base/StringConversions.h"

bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end && *end == '\0' && std::isfinite(value);
}

namespace {
void appendHexEscape(std::string& out, unsigned char byte) {
    static const char digits[] = "0123456789abcdef";
    out += "\\u00";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}
}  // namespace

std::string jsonString(const std::string& bytes) {
    std::string out = "\"";
    size_t pos = 0;
    while (pos < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[pos]);
        if (c >= 0x80) {
            uint32_t cp;
            const size_t length = utf8::decodeCodePoint(bytes, pos, &cp);
            if (length == 0) {
                appendHexEscape(out, c);
                ++pos;
            } else {
                out.append(bytes, pos, length);
                pos += length;
            }
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (c < 0x20) {
                    appendHexEscape(out, c);
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++pos;
    }
    out += '"';
    return out;
}
