// libFuzzer target for the INI reader and writer. Beyond not crashing, every
// input must satisfy the format's promises:
//  - whatever was read, written as text and read again, is the same map, and
//    writing it again gives the same text;
//  - unescape(escape(x)) == x for every name, key and value read;
//  - a key is never empty;
//  - the parser's bulk feed gives the same entries as feeding byte by byte;
//  - wide-string conversion of any bytes is stable after one round.
#include "base/IniFile.h"
#include "base/StringConversions.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

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

    // The parser alone, byte by byte: at most one entry per line feed fed.
    // The bulk feed() must see exactly the same entries, wherever the input
    // is split into chunks (files are read in chunks).
    std::vector<std::string> byteEntries;
    size_t lineFeeds = 1;
    {
        IniParser parser;
        auto take = [&] { byteEntries.push_back(parser.getSection() + '\0' + parser.getKey() + '\0' + parser.getValue()); };
        for (char c : input) {
            if (parser.doStep(c)) take();
            lineFeeds += c == '\n';
        }
        if (parser.finish()) take();
    }
    check(byteEntries.size() <= lineFeeds, "at most one entry per line");
    {
        IniParser parser;
        std::vector<std::string> fedEntries;
        auto take = [&] { fedEntries.push_back(parser.getSection() + '\0' + parser.getKey() + '\0' + parser.getValue()); };
        const size_t split = size == 0 ? 0 : data[0] % (size + 1);
        parser.feed(input.data(), split, take);
        parser.feed(input.data() + split, size - split, take);
        if (parser.finish()) take();
        check(fedEntries == byteEntries, "feed() matches doStep()");
    }

    const std::wstring wide = convertUtf8ToWString(input);
    const std::string utf8 = convertWStringToUtf8String(wide);
    check(convertUtf8ToWString(utf8) == wide, "UTF-8 decode/encode is stable");
    return 0;
}
