#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

// A small key/value format for translated text (language list, phrase and
// label files). Files are UTF-8; keys and values come out as wide strings.
//
//   # a comment line
//   key = value
//
// One entry per line, split at the first "=" that is not escaped; blanks
// around key and value are dropped. Escapes: "\=" (an "=" inside a key),
// "\\", "\n" (line feed), "\t" (tab), "\#" (a key starting with "#") and
// "\ " (a blank at the edge of a key or value); any other backslash stays as
// it is. Lines without "=" and blank lines are skipped. A UTF-8 byte-order
// mark at the start is ignored. Entries keep their file order.
class UnicodeCfgParser {
public:
    using Entry = std::pair<std::wstring, std::wstring>;

    // Adds the entries of the file; false if it cannot be opened.
    bool parseFile(const std::string& path);
    // Adds the entries of UTF-8 text.
    void parse(const std::string& utf8Text);

    const std::vector<Entry>& getEntries() const { return entries; }
    // Key to value; a key given twice keeps its last value.
    std::map<std::wstring, std::wstring> toMap() const;
    // Lines that held text but no "=" (for diagnostics).
    int getSkippedLineCount() const { return skippedLines; }

    void clear() {
        entries.clear();
        skippedLines = 0;
    }

private:
    void parseLine(const std::wstring& line);

    std::vector<Entry> entries;
    int skippedLines = 0;
};
