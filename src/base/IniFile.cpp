#include "base/IniFile.h"

#include "base/AtomicFile.h"
#include "base/StringConversions.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

const std::string kEmptyString;
const IniSection kEmptySection;

bool isLineWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The byte an escape code stands for, or -1 when the code is not in the table.
int unescapedByte(char code) {
    switch (code) {
        case 'n': return '\n';
        case '\\': return '\\';
        case '#': return '#';
        case ';': return ';';
        case ' ': return ' ';
        case 't': return '\t';
        case '0': return '[';
        case '1': return ']';
        case '2': return '=';
        case 'r': return '\r';
        default: return -1;
    }
}

// The escape code of a byte, or 0 when it is written as itself.
char escapeCode(char c) {
    switch (c) {
        case '\n': return 'n';
        case '\\': return '\\';
        case '#': return '#';
        case ';': return ';';
        case ' ': return ' ';
        case '\t': return 't';
        case '[': return '0';
        case ']': return '1';
        case '=': return '2';
        case '\r': return 'r';
        default: return 0;
    }
}

}  // namespace

bool IniParser::doStep(char c) {
    switch (state) {
        case LINE_START:
            key.clear();
            value.clear();
            if (c == ';' || c == '#') {
                state = COMMENT;
            } else if (c == '[') {
                section.clear();
                sectionChanged = true;
                state = SECTION_NAME;
            } else if (!isLineWhitespace(c)) {
                key += c;
                state = KEY;
            }
            return false;
        case COMMENT:
            if (c == '\n') state = LINE_START;
            return false;
        case SECTION_NAME:
            // The rest of the header line after "]" is ignored like a comment.
            if (c == ']') {
                state = COMMENT;
            } else {
                section += c;
            }
            return false;
        case KEY:
            if (c == '=') {
                // Trailing blanks before "=" are layout, not part of the key.
                // This holds for an escaped blank too: a key written as "k\ "
                // reads back as the literal "k\", so keys never end in a blank.
                while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
                state = BEFORE_VALUE;
            } else {
                key += c;
            }
            return false;
        case BEFORE_VALUE:
            if (c == ' ' || c == '\t' || c == '\r') return false;
            if (c == '\n') {
                state = LINE_START;
                return true;
            }
            value += c;
            state = VALUE;
            return false;
        case VALUE:
            if (c == '\r') return false;
            if (c == '\n') {
                state = LINE_START;
                return true;
            }
            value += c;
            return false;
    }
    return false;
}

void appendEscapedIniText(std::string& out, const std::string& text) {
    for (char c : text) {
        const char code = escapeCode(c);
        if (code) {
            out += '\\';
            out += code;
        } else {
            out += c;
        }
    }
}

std::string escapeIniText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    appendEscapedIniText(out, text);
    return out;
}

std::string unescapeIniText(const std::string& text) {
    if (text.find('\\') == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 == text.size()) return text;
        const int byte = unescapedByte(text[i + 1]);
        if (byte < 0) return text;
        out += static_cast<char>(byte);
        ++i;
    }
    return out;
}

namespace {

// Feeds bytes to a parser and stores each completed entry, unescaped.
class IniFileFiller {
public:
    explicit IniFileFiller(IniSectionMap& sections) : sections(sections) {}

    void feed(const char* data, size_t size) {
        parser.feed(data, size, [this] { store(); });
    }

    void finish() {
        if (parser.finish()) store();
    }

private:
    void store() {
        if (parser.takeSectionChanged() || !current) current = &sections[unescapeIniText(parser.getSection())];
        current->insert_or_assign(unescapeIniText(parser.getKey()), unescapeIniText(parser.getValue()));
    }

    IniSectionMap& sections;
    IniParser parser;
    IniSection* current = nullptr;
};

}  // namespace

IniFile::IniFile(const std::string& path) { readFile(path); }

void IniFile::setFromString(const char* text) {
    if (!text) return;
    setFromString(std::string(text));
}

void IniFile::setFromString(const std::string& text) {
    IniFileFiller filler(sections);
    filler.feed(text.data(), text.size());
    filler.finish();
}

bool IniFile::readFile(const std::string& path) {
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) return false;
    IniFileFiller filler(sections);
    char buffer[1 << 16];
    while (in) {
        in.read(buffer, sizeof buffer);
        filler.feed(buffer, static_cast<size_t>(in.gcount()));
    }
    filler.finish();
    return true;
}

const std::string& IniFile::get(const std::string& section, const std::string& key) const {
    auto s = sections.find(section);
    if (s == sections.end()) return kEmptyString;
    auto v = s->second.find(key);
    return v == s->second.end() ? kEmptyString : v->second;
}

std::string IniFile::get(const std::string& section, const std::string& key, const std::string& defaultValue) const {
    auto s = sections.find(section);
    if (s == sections.end()) return defaultValue;
    auto v = s->second.find(key);
    return v == s->second.end() ? defaultValue : v->second;
}

bool IniFile::isSectionAvailable(const std::string& section) const { return sections.count(section) != 0; }

bool IniFile::isAvailable(const std::string& section, const std::string& key) const {
    auto s = sections.find(section);
    return s != sections.end() && s->second.count(key) != 0;
}

const IniSection& IniFile::getSection(const std::string& section) const {
    auto s = sections.find(section);
    return s == sections.end() ? kEmptySection : s->second;
}

void IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
    sections[section][key] = value;
}

void IniFile::setSection(const std::string& section, const IniSection& values) { sections[section] = values; }

void IniFile::removeSection(const std::string& section) { sections.erase(section); }

void IniFile::removeValue(const std::string& section, const std::string& key) {
    auto s = sections.find(section);
    if (s != sections.end()) s->second.erase(key);
}

void IniFile::moveSection(const std::string& from, const std::string& to) {
    if (from == to) return;
    IniSection content = getSection(from);
    sections[to] = std::move(content);
    sections.erase(from);
}

std::string IniFile::toString() const {
    size_t estimate = 0;
    for (const auto& [name, values] : sections) {
        estimate += name.size() + 4;
        for (const auto& [key, value] : values) estimate += key.size() + value.size() + 4;
    }
    std::string out;
    out.reserve(estimate + estimate / 8);
    for (const auto& [name, values] : sections) {
        if (!name.empty()) {
            out += '[';
            appendEscapedIniText(out, name);
            out += "]\n";
        }
        for (const auto& [key, value] : values) {
            appendEscapedIniText(out, key);
            out += " = ";
            appendEscapedIniText(out, value);
            out += '\n';
        }
        out += '\n';
    }
    return out;
}

void IniFile::print() const {
    const std::string text = toString();
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

bool IniFile::save(const std::string& path) const { return replaceFileAtomically(path, toString()); }

IniIterator* IniFile::createNewIterator() const { return new IniIterator(sections); }

IniIterator::IniIterator(const IniSectionMap& sections) : sections(sections), section(sections.begin()) {
    enterSection();
}

void IniIterator::enterSection() {
    if (section != sections.end()) value = section->second.begin();
}

bool IniIterator::isSectionAvail() const { return section != sections.end(); }

void IniIterator::gotoNextSection() {
    if (section == sections.end()) return;
    ++section;
    enterSection();
}

bool IniIterator::isValueAvail() const { return section != sections.end() && value != section->second.end(); }

void IniIterator::gotoNextValue() {
    if (isValueAvail()) ++value;
}

const std::string& IniIterator::getCurrentSection() const {
    return section == sections.end() ? kEmptyString : section->first;
}

const std::string& IniIterator::getCurrentKey() const { return isValueAvail() ? value->first : kEmptyString; }

const std::string& IniIterator::getCurrentValue() const { return isValueAvail() ? value->second : kEmptyString; }

std::string getFromIniSection(const IniSection& section, const std::string& key, const std::string& defaultValue) {
    auto v = section.find(key);
    return v == section.end() ? defaultValue : v->second;
}

std::string getFromIniSection(const IniSection& section, const std::string& key, const char* defaultValue) {
    return getFromIniSection(section, key, std::string(defaultValue ? defaultValue : ""));
}

bool getFromIniSection(const IniSection& section, const std::string& key, bool defaultValue) {
    auto v = section.find(key);
    return v == section.end() ? defaultValue : convertStringTo<int>(v->second) != 0;
}

std::wstring getFromIniSection(const IniSection& section, const std::string& key, const std::wstring& defaultValue) {
    auto v = section.find(key);
    return v == section.end() ? defaultValue : convertUtf8ToWString(v->second);
}

std::wstring getFromIniSection(const IniSection& section, const std::string& key, const wchar_t* defaultValue) {
    return getFromIniSection(section, key, std::wstring(defaultValue ? defaultValue : L""));
}

void setToIniSection(IniSection& section, const std::string& key, const std::string& value) { section[key] = value; }

void setToIniSection(IniSection& section, const std::string& key, const char* value) {
    section[key] = value ? value : "";
}

void setToIniSection(IniSection& section, const std::string& key, bool value) { section[key] = value ? "1" : "0"; }

void setToIniSection(IniSection& section, const std::string& key, const std::wstring& value) {
    section[key] = convertWStringToUtf8String(value);
}

void setToIniSection(IniSection& section, const std::string& key, const wchar_t* value) {
    section[key] = convertWStringToUtf8String(value ? value : L"");
}
