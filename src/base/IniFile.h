#pragma once
#include <map>
#include <string>

// The program's configuration format. An IniFile is an ordered map from
// section name to section; a section is an ordered map from key to value. All
// three are byte strings (UTF-8 by convention) ordered byte-wise, so "P10"
// sorts before "P2" and "Page" differs from "page". The unnamed section ""
// holds the entries before the first header and is written first, headerless.
//
// Special bytes are escaped with a backslash when written, so any byte string
// survives a write and a read. Text that is not a well-formed escape sequence
// is read literally, which keeps hand-written files with stray backslashes
// (e.g. Windows paths) intact.

using IniSection = std::map<std::string, std::string>;
using IniSectionMap = std::map<std::string, IniSection>;

// Byte-level tokenizer of the INI text. Feed it one byte at a time; doStep
// returns true when an entry is complete, after which getSection(), getKey()
// and getValue() hold its raw (still escaped) parts. Single pass, no
// backtracking: the parts are built as the bytes arrive.
class IniParser {
public:
    enum State { LINE_START, COMMENT, SECTION_NAME, KEY, BEFORE_VALUE, VALUE };

    bool doStep(char c);

    // Ends the input: completes a last line that lacks its line feed.
    bool finish() { return doStep('\n'); }

    // Same as calling doStep for each byte and onEntry() whenever it returns
    // true, but takes the runs of bytes that only extend a key, value,
    // section name or comment in one step.
    template <typename OnEntry>
    void feed(const char* data, size_t size, OnEntry&& onEntry);

    const std::string& getSection() const { return section; }
    const std::string& getKey() const { return key; }
    const std::string& getValue() const { return value; }
    State getState() const { return state; }

    // True when the section name changed since the last call (lets callers
    // cache the section they store into).
    bool takeSectionChanged() {
        bool changed = sectionChanged;
        sectionChanged = false;
        return changed;
    }

private:
    State state = LINE_START;
    std::string section;
    std::string key;
    std::string value;
    bool sectionChanged = true;
};

template <typename OnEntry>
void IniParser::feed(const char* data, size_t size, OnEntry&& onEntry) {
    const char* p = data;
    const char* end = data + size;
    auto scanTo = [&](auto isStop) {
        const char* q = p;
        while (q < end && !isStop(*q)) ++q;
        return q;
    };
    while (p < end) {
        const char* runEnd = p;
        switch (state) {
            case COMMENT:
                runEnd = scanTo([](char c) { return c == '\n'; });
                break;
            case SECTION_NAME:
                runEnd = scanTo([](char c) { return c == ']'; });
                section.append(p, runEnd);
                break;
            case KEY:
                runEnd = scanTo([](char c) { return c == '='; });
                key.append(p, runEnd);
                break;
            case VALUE:
                runEnd = scanTo([](char c) { return c == '\n' || c == '\r'; });
                value.append(p, runEnd);
                break;
            default:
                break;
        }
        p = runEnd;
        if (p == end) break;
        if (doStep(*p++)) onEntry();
    }
}

// Escapes every special byte (line feed, backslash, '#', ';', space, tab,
// '[', ']', '=', carriage return) as a two-byte sequence.
std::string escapeIniText(const std::string& text);
void appendEscapedIniText(std::string& out, const std::string& text);

// Reverses escapeIniText. All or nothing: a backslash followed by a byte that
// is not an escape code, or a lone trailing backslash, makes the whole text
// literal.
std::string unescapeIniText(const std::string& text);

class IniIterator;

class IniFile {
public:
    IniFile() = default;
    // Reads the file. A file that cannot be opened yields an empty IniFile.
    explicit IniFile(const std::string& path);

    // Parses text into this object, adding to and overwriting what is there.
    // The const char* form stops at the first NUL byte; the std::string form
    // takes every byte.
    void setFromString(const char* text);
    void setFromString(const std::string& text);
    // Adds the entries of a file; false when it cannot be opened.
    bool readFile(const std::string& path);

    // The value, or a reference to a process-wide empty string (never write
    // through it) when the section or the key is missing.
    const std::string& get(const std::string& section, const std::string& key) const;
    std::string get(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    bool isSectionAvailable(const std::string& section) const;
    bool isAvailable(const std::string& section, const std::string& key) const;

    // The section, or a process-wide empty map when missing.
    const IniSection& getSection(const std::string& section) const;
    const IniSectionMap& getSections() const { return sections; }

    void set(const std::string& section, const std::string& key, const std::string& value);
    // Replaces the whole content of the section (created when missing).
    void setSection(const std::string& section, const IniSection& values);
    void removeSection(const std::string& section);
    void removeValue(const std::string& section, const std::string& key);
    // `to` (created when missing) receives a copy of `from`, replacing what it
    // held, and `from` is removed. Moving a section onto itself keeps it.
    void moveSection(const std::string& from, const std::string& to);

    // The text form: sections in map order, the unnamed one first and without
    // header, "[name]" for the others, one "key = value" line per entry, all
    // escaped, and an empty line after every section.
    std::string toString() const;
    // Writes toString() to standard output.
    void print() const;

    // Replaces the file at path with toString(). The text goes to a temporary
    // file in the same directory first, which is flushed to the disk and then
    // renamed over the old file: a crash or a full disk leaves either the old
    // or the new configuration, never a truncated one. Returns false (and
    // leaves the old file untouched) if any step fails.
    bool save(const std::string& path) const;

    // A new iterator over this file; the caller deletes it. It must not
    // outlive the IniFile, nor be used across changes of the file.
    IniIterator* createNewIterator() const;

private:
    IniSectionMap sections;
};

// Walks the sections in map order and, within the current section, its values
// in map order.
class IniIterator {
public:
    explicit IniIterator(const IniSectionMap& sections);

    bool isSectionAvail() const;
    // Moves to the next section and to its first value.
    void gotoNextSection();
    bool isValueAvail() const;
    void gotoNextValue();

    const std::string& getCurrentSection() const;
    const std::string& getCurrentKey() const;
    const std::string& getCurrentValue() const;

private:
    void enterSection();

    const IniSectionMap& sections;
    IniSectionMap::const_iterator section;
    IniSection::const_iterator value;
};

// Helpers for one section map, as returned by getSection or held by a caller.
// The const char* overloads keep a string literal from binding to bool.
std::string getFromIniSection(const IniSection& section, const std::string& key, const std::string& defaultValue);
std::string getFromIniSection(const IniSection& section, const std::string& key, const char* defaultValue);
// convertStringTo<int>(value) != 0, or the default when missing.
bool getFromIniSection(const IniSection& section, const std::string& key, bool defaultValue);
// The value converted from UTF-8, or the default when missing.
std::wstring getFromIniSection(const IniSection& section, const std::string& key, const std::wstring& defaultValue);
std::wstring getFromIniSection(const IniSection& section, const std::string& key, const wchar_t* defaultValue);

void setToIniSection(IniSection& section, const std::string& key, const std::string& value);
void setToIniSection(IniSection& section, const std::string& key, const char* value);
// Stores "1" or "0".
void setToIniSection(IniSection& section, const std::string& key, bool value);
// Stores the value converted to UTF-8.
void setToIniSection(IniSection& section, const std::string& key, const std::wstring& value);
void setToIniSection(IniSection& section, const std::string& key, const wchar_t* value);
