#include "app/UnicodeCfgParser.h"

#include "base/StringConversions.h"

#include <fstream>
#include <sstream>

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r'; }

// Removes unescaped blanks at both ends, then resolves the escapes.
std::wstring finishPart(const std::wstring& raw) {
    size_t begin = 0;
    size_t end = raw.size();
    while (begin < end && isBlank(raw[begin])) ++begin;
    while (end > begin && isBlank(raw[end - 1])) {
        size_t backslashes = 0;
        while (end - 1 - backslashes > begin && raw[end - 2 - backslashes] == L'\\') ++backslashes;
        if (backslashes % 2 == 1) break;  // "\ " at the end is content
        --end;
    }
    std::wstring out;
    out.reserve(end - begin);
    for (size_t i = begin; i < end; ++i) {
        if (raw[i] != L'\\' || i + 1 == end) {
            out += raw[i];
            continue;
        }
        const wchar_t code = raw[i + 1];
        switch (code) {
            case L'n': out += L'\n'; break;
            case L't': out += L'\t'; break;
            case L'=':
            case L'\\':
            case L'#':
            case L' ': out += code; break;
            default: out += L'\\'; continue;  // not an escape: keep the backslash, read the next char normally
        }
        ++i;
    }
    return out;
}

}  // namespace

bool UnicodeCfgParser::parseFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    parse(text.str());
    return true;
}

void UnicodeCfgParser::parse(const std::string& utf8Text) {
    size_t start = utf8Text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start <= utf8Text.size()) {
        size_t end = utf8Text.find('\n', start);
        if (end == std::string::npos) end = utf8Text.size();
        parseLine(convertUtf8ToWString(utf8Text.substr(start, end - start)));
        start = end + 1;
    }
}

void UnicodeCfgParser::parseLine(const std::wstring& line) {
    size_t first = 0;
    while (first < line.size() && isBlank(line[first])) ++first;
    if (first == line.size() || line[first] == L'#') return;
    size_t separator = std::wstring::npos;
    for (size_t i = first; i < line.size(); ++i) {
        if (line[i] == L'\\') {
            ++i;
        } else if (line[i] == L'=') {
            separator = i;
            break;
        }
    }
    if (separator == std::wstring::npos) {
        ++skippedLines;
        return;
    }
    entries.emplace_back(finishPart(line.substr(first, separator - first)), finishPart(line.substr(separator + 1)));
}

std::map<std::wstring, std::wstring> UnicodeCfgParser::toMap() const {
    std::map<std::wstring, std::wstring> map;
    for (const Entry& entry : entries) map[entry.first] = entry.second;
    return map;
}
