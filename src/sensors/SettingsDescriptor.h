#pragma once
#include <string>
#include <vector>

#include "base/IniFile.h"

// One entry of a settings descriptor: "key,label,default,TYPE". The generic
// settings editor turns a descriptor into a dialog; the values live in the
// part's own INI section.
struct SettingsEntry {
    enum Type { INT, DOUBLE, STRING, BOOLEAN, ONE_OF, NOT_EDITABLE, SYNTAX_ERROR };

    std::string key;
    std::string label;  // "Syntax error" for entries that could not be read
    std::string defaultValue;  // for ONE_OF the first choice
    Type type = STRING;
    std::vector<std::string> choices;  // ONE_OF only
};

// The message for an entry without exactly four fields.
extern const char* const kSettingsArgumentCountError;

// Splits a descriptor into entries (separated by ";", where "\;" inside the
// choices of ONE_OF does not separate). Malformed entries come back as
// SYNTAX_ERROR entries and their messages are appended to `errors`
// (which may be null). Returns true when there were no errors.
bool parseSettingsDescriptor(const std::string& descriptor, std::vector<SettingsEntry>& entries,
                             std::vector<std::string>* errors = nullptr);

// The defaults of every readable entry as a section.
IniSection getSettingsDefaults(const std::vector<SettingsEntry>& entries);

// Writes the defaults of the keys the section does not yet hold.
void completeSettingsSection(IniFile* ini, const std::string& section, const std::vector<SettingsEntry>& entries);
