#include "sensors/SettingsDescriptor.h"

#include <iostream>

#include "base/Logger.h"

const char* const kSettingsArgumentCountError = "ERROR: Wrong number of arguments (must be 4 for IniEditor).";

namespace {

// Splits at `separator` unless it follows a backslash; the backslash pair
// stays in the piece so choices can be split later.
std::vector<std::string> splitUnescaped(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == separator && !(i > 0 && text[i - 1] == '\\'))
            pieces.emplace_back();
        else
            pieces.back() += text[i];
    }
    return pieces;
}

std::vector<std::string> splitChoices(const std::string& text) {
    std::vector<std::string> choices(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == ';') {
            choices.emplace_back();
            ++i;
        } else {
            choices.back() += text[i];
        }
    }
    return choices;
}

bool typeFromName(const std::string& name, SettingsEntry::Type& type) {
    static const std::pair<const char*, SettingsEntry::Type> names[] = {
        {"INT", SettingsEntry::INT},       {"DOUBLE", SettingsEntry::DOUBLE}, {"STRING", SettingsEntry::STRING},
        {"BOOLEAN", SettingsEntry::BOOLEAN}, {"ONE_OF", SettingsEntry::ONE_OF},
        {"NOT_EDITABLE", SettingsEntry::NOT_EDITABLE}};
    for (const auto& n : names)
        if (name == n.first) {
            type = n.second;
            return true;
        }
    return false;
}

void report(const std::string& message, std::vector<std::string>* errors) {
    std::cerr << message << "\n";
    logMessage(message, Logger::FILE);
    if (errors) errors->push_back(message);
}

}  // namespace

bool parseSettingsDescriptor(const std::string& descriptor, std::vector<SettingsEntry>& entries,
                             std::vector<std::string>* errors) {
    bool ok = true;
    for (const std::string& text : splitUnescaped(descriptor, ';')) {
        if (text.empty()) continue;
        // Commas never appear escaped; the choices use "\;" only.
        std::vector<std::string> fields = splitUnescaped(text, ',');
        SettingsEntry entry;
        if (fields.size() != 4) {
            entry.type = SettingsEntry::SYNTAX_ERROR;
            entry.label = "Syntax error";
            report(kSettingsArgumentCountError, errors);
            entries.push_back(entry);
            ok = false;
            continue;
        }
        entry.key = fields[0];
        entry.label = fields[1];
        if (!typeFromName(fields[3], entry.type)) {
            entry.type = SettingsEntry::SYNTAX_ERROR;
            entry.label = "Syntax error";
            report("ERROR: Unknown setting type \"" + fields[3] + "\" for IniEditor.", errors);
            entries.push_back(entry);
            ok = false;
            continue;
        }
        if (entry.type == SettingsEntry::ONE_OF) {
            entry.choices = splitChoices(fields[2]);
            entry.defaultValue = entry.choices.front();
        } else {
            entry.defaultValue = fields[2];
        }
        entries.push_back(entry);
    }
    return ok;
}

IniSection getSettingsDefaults(const std::vector<SettingsEntry>& entries) {
    IniSection defaults;
    for (const SettingsEntry& e : entries)
        if (e.type != SettingsEntry::SYNTAX_ERROR && !e.key.empty()) defaults[e.key] = e.defaultValue;
    return defaults;
}

void completeSettingsSection(IniFile* ini, const std::string& section, const std::vector<SettingsEntry>& entries) {
    for (const auto& kv : getSettingsDefaults(entries))
        if (!ini->isAvailable(section, kv.first)) ini->set(section, kv.first, kv.second);
}
