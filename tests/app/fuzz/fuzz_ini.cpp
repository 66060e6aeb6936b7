// libFuzzer target for the INI reader and writer. Beyond not crashing, every
// input must satisfy the format's promises:
//  - whatever was read, written as text and read again, is the same map, and
//    writing it again gives the same text;
//  - unescape(escape(x)) == x for every name, key and value read;
//  - a key is never empty;
//  - wide-string conversion of any bytes is stable after one round.
#include "app/IniFile.h"
#include "app/StringConversions.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace {

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant violated: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    IniFile first;
    first.setFromString(input);
    const std::string text = first.toString();

    IniFile second;
    second.setFromString(text);
    check(second.getSections() == first.getSections(), "parse(toString(ini)) == ini");
    check(second.toString() == text, "toString is stable");

    for (const auto& [section, values] : first.getSections()) {
        check(!values.empty(), "sections hold at least one entry");
        check(unescapeIniText(escapeIniText(section)) == section, "section name escape round trip");
        for (const auto& [key, value] : values) {
            check(!key.empty(), "keys are not empty");
            check(unescapeIniText(escapeIniText(key)) == key, "key escape round trip");
            check(unescapeIniText(escapeIniText(value)) == value, "value escape round trip");
            check(first.get(section, key) == value && first.isAvailable(section, key), "get finds the entry");
        }
    }

    // The parser alone: it completes at most one entry per line feed fed.
    IniParser parser;
    size_t completed = 0;
    size_t lineFeeds = 1;
    for (char c : input) {
        completed += parser.doStep(c);
        lineFeeds += c == '\n';
    }
    completed += parser.finish();
    check(completed <= lineFeeds, "at most one entry per line");

    const std::wstring wide = convertUtf8ToWString(input);
    const std::string utf8 = convertWStringToUtf8String(wide);
    check(convertUtf8ToWString(utf8) == wide, "UTF-8 decode/encode is stable");
    return 0;
}
