#include "map/rules/MapSettings.h"

#include <cstdlib>
#include <type_traits>

#include "base/StringConversions.h"

namespace {

const char* const kBackgroundChoices[] = {"none", "vfr", "low ifr", "high ifr", "auto"};
constexpr int kBackgroundChoiceCount = 5;

// A whole number with nothing after it, so that "abc" or "" never counts as 0.
bool parseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0') return false;
    value = static_cast<int>(parsed);
    return true;
}

bool parseDouble(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (*end != '\0') return false;
    value = parsed;
    return true;
}

void read(const std::string& text, bool& value) {
    int number = 0;
    if (parseInt(text, number)) value = number != 0;
}
void read(const std::string& text, int& value) { parseInt(text, value); }
void read(const std::string& text, double& value) { parseDouble(text, value); }
// The option page stores the choice's text; older sections hold its number.
void read(const std::string& text, MapSettings::BackgroundMap& value) {
    for (int i = 0; i < kBackgroundChoiceCount; ++i)
        if (text == kBackgroundChoices[i]) value = static_cast<MapSettings::BackgroundMap>(i);
    int number = 0;
    if (parseInt(text, number) && number >= 0 && number < kBackgroundChoiceCount)
        value = static_cast<MapSettings::BackgroundMap>(number);
}

std::string write(bool value) { return value ? "1" : "0"; }
std::string write(int value) { return std::to_string(value); }
std::string write(double value) { return convertToString(value); }
std::string write(MapSettings::BackgroundMap value) {
    const int index = static_cast<int>(value);
    return kBackgroundChoices[index >= 0 && index < kBackgroundChoiceCount ? index : 0];
}

template <class T>
MapSettingEntry::Type typeOf() {
    if (std::is_same<T, bool>::value) return MapSettingEntry::BOOLEAN;
    if (std::is_same<T, int>::value) return MapSettingEntry::INT;
    if (std::is_same<T, double>::value) return MapSettingEntry::DOUBLE;
    return MapSettingEntry::ONE_OF;
}

std::vector<MapSettingEntry> makeEntries() {
    std::vector<MapSettingEntry> entries;
    const MapSettings defaults;
    MapSettings::forEachSetting(defaults, [&](const char* key, const char* label, const auto& value) {
        MapSettingEntry entry;
        entry.key = key;
        entry.label = label;
        entry.defaultValue = write(value);
        entry.type = typeOf<std::decay_t<decltype(value)>>();
        if (entry.type == MapSettingEntry::ONE_OF)
            entry.choices.assign(kBackgroundChoices, kBackgroundChoices + kBackgroundChoiceCount);
        entries.push_back(entry);
    });
    return entries;
}

}  // namespace

MapSettings MapSettings::fromIni(const IniSection& section) {
    MapSettings settings;
    forEachSetting(settings, [&](const char* key, const char*, auto& value) {
        const auto found = section.find(key);
        if (found != section.end()) read(found->second, value);
    });
    return settings;
}

void MapSettings::writeToIni(IniSection& section) const {
    forEachSetting(*this, [&](const char* key, const char*, const auto& value) { section[key] = write(value); });
}

const std::vector<MapSettingEntry>& getMapSettingEntries() {
    static const std::vector<MapSettingEntry> entries = makeEntries();
    return entries;
}

std::string getMapSettingsDescriptor() {
    static const char* const kTypeNames[] = {"BOOLEAN", "INT", "DOUBLE", "ONE_OF"};
    std::string descriptor;
    for (const MapSettingEntry& entry : getMapSettingEntries()) {
        std::string defaultField = entry.defaultValue;
        if (entry.type == MapSettingEntry::ONE_OF) {
            defaultField.clear();
            for (const std::string& choice : entry.choices)
                defaultField += (defaultField.empty() ? "" : "\\;") + choice;
        }
        descriptor += entry.key + "," + entry.label + "," + defaultField + "," + kTypeNames[entry.type] + ";";
    }
    return descriptor;
}
