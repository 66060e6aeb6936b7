#include "chart/elements/ChartElementIni.h"

#include "base/StringConversions.h"

#include <cstdio>
#include <cstdlib>

int iniGetInt(const IniSection& section, const std::string& key, int defaultValue) {
    auto found = section.find(key);
    return found == section.end() ? defaultValue : convertStringTo<int>(found->second);
}

double iniGetDouble(const IniSection& section, const std::string& key, double defaultValue) {
    auto found = section.find(key);
    return found == section.end() ? defaultValue : convertStringTo<double>(found->second);
}

uint64_t iniGetU64(const IniSection& section, const std::string& key, uint64_t defaultValue) {
    auto found = section.find(key);
    return found == section.end() ? defaultValue : convertStringTo<uint64_t>(found->second);
}

void iniSetInt(IniSection& section, const std::string& key, long long value) {
    section[key] = std::to_string(value);
}

void iniSetDouble(IniSection& section, const std::string& key, double value) {
    // The shortest of 15 or 17 digits that reads back as the same double.
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    if (std::strtod(text, nullptr) != value)
        std::snprintf(text, sizeof text, "%.17g", value);
    section[key] = text;
}

void iniSetU64(IniSection& section, const std::string& key, uint64_t value) {
    section[key] = std::to_string(value);
}

const IniSection& getElementIniSection(const IniFile* ini) { return ini->getSection(""); }

void storeElementIniSection(IniFile* ini, const IniSection& values) {
    for (const auto& entry : values)
        ini->set("", entry.first, entry.second);
}
