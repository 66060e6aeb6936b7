#pragma once
#include "base/IniFile.h"

#include <cstdint>
#include <string>

// Typed access to the INI form of custom elements. Positions are written
// with every digit a double holds, so a waypoint placed by the pilot comes
// back where it was and not up to 100 m away.
int iniGetInt(const IniSection& section, const std::string& key, int defaultValue);
double iniGetDouble(const IniSection& section, const std::string& key, double defaultValue);
uint64_t iniGetU64(const IniSection& section, const std::string& key, uint64_t defaultValue);

void iniSetInt(IniSection& section, const std::string& key, long long value);
void iniSetDouble(IniSection& section, const std::string& key, double value);
void iniSetU64(IniSection& section, const std::string& key, uint64_t value);

// The section that holds a custom element: the file's unnamed one.
const IniSection& getElementIniSection(const IniFile* ini);
// Merges values into the element's section.
void storeElementIniSection(IniFile* ini, const IniSection& values);
