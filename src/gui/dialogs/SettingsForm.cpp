#include "gui/dialogs/SettingsForm.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isWholeInteger(const std::string& text) {
    const std::string t = trim(text);
    if (t.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(t.c_str(), &end, 10);
    return *end == '\0' && errno == 0 && value >= -2147483648LL && value <= 2147483647LL;
}

bool isWholeNumber(const std::string& text) {
    const std::string t = trim(text);
    if (t.empty()) return false;
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    // strtod also reads "inf", "nan" and hexadecimal forms; a pilot types none.
    const bool plain = t.find_first_not_of("+-0123456789.eE") == std::string::npos;
    return *end == '\0' && plain && std::isfinite(value);
}

bool isChoice(const SettingsEntry& entry, const std::string& text) {
    return std::find(entry.choices.begin(), entry.choices.end(), text) != entry.choices.end();
}

}  // namespace

std::vector<SettingsField> makeSettingsFields(const std::vector<SettingsEntry>& entries, const IniSection& section) {
    std::vector<SettingsField> fields;
    for (const SettingsEntry& e : entries) {
        SettingsField f{e, e.defaultValue};
        auto it = e.key.empty() ? section.end() : section.find(e.key);
        if (e.type != SettingsEntry::SYNTAX_ERROR && it != section.end()) f.value = it->second;
        if (e.type == SettingsEntry::BOOLEAN)
            f.value = isWholeInteger(f.value) ? (std::atoi(f.value.c_str()) != 0 ? "1" : "0")
                                              : (std::atoi(e.defaultValue.c_str()) != 0 ? "1" : "0");
        if (e.type == SettingsEntry::ONE_OF && !isChoice(e, f.value)) f.value = e.defaultValue;
        fields.push_back(f);
    }
    return fields;
}

bool isValidSettingValue(const SettingsEntry& entry, const std::string& text) {
    switch (entry.type) {
    case SettingsEntry::INT:
        return isWholeInteger(text);
    case SettingsEntry::DOUBLE:
        return isWholeNumber(text);
    case SettingsEntry::BOOLEAN:
        return text == "0" || text == "1";
    case SettingsEntry::ONE_OF:
        return isChoice(entry, text);
    default:
        return true;
    }
}

std::vector<size_t> findInvalidSettings(const std::vector<SettingsField>& fields) {
    std::vector<size_t> invalid;
    for (size_t i = 0; i < fields.size(); ++i)
        if (!isValidSettingValue(fields[i].entry, fields[i].value)) invalid.push_back(i);
    return invalid;
}

void writeSettings(const std::vector<SettingsField>& fields, IniFile& ini, const std::string& section) {
    for (const SettingsField& f : fields) {
        const SettingsEntry::Type type = f.entry.type;
        if (type == SettingsEntry::NOT_EDITABLE || type == SettingsEntry::SYNTAX_ERROR || f.entry.key.empty()) continue;
        const bool number = type == SettingsEntry::INT || type == SettingsEntry::DOUBLE;
        ini.set(section, f.entry.key, number ? trim(f.value) : f.value);
    }
}
