#pragma once
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "sensors/SettingsDescriptor.h"

// The engine-free half of the settings editor: what each field shows, which
// typed values are acceptable and what goes back into the section.

struct SettingsField {
    SettingsEntry entry;
    // As shown and edited: the number or text, "0"/"1" for BOOLEAN, one of
    // the choices for ONE_OF.
    std::string value;
};

// One field per entry, holding the section's value or else the default. A
// ONE_OF value that is not one of the choices, or a BOOLEAN that is not a
// number, falls back to the default.
std::vector<SettingsField> makeSettingsFields(const std::vector<SettingsEntry>& entries, const IniSection& section);

// Whether the text is a whole value of the entry's type: INT a decimal
// integer, DOUBLE a finite decimal number (surrounding blanks allowed),
// BOOLEAN "0" or "1", ONE_OF one of the choices. Texts, fixed values and
// syntax errors are always acceptable (the latter are not written).
bool isValidSettingValue(const SettingsEntry& entry, const std::string& text);

// Indices of the fields whose values are not acceptable.
std::vector<size_t> findInvalidSettings(const std::vector<SettingsField>& fields);

// Writes every editable field (not NOT_EDITABLE, not a syntax error) into
// the section, numbers without surrounding blanks.
void writeSettings(const std::vector<SettingsField>& fields, IniFile& ini, const std::string& section);
