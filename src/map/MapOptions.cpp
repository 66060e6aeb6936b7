#include "map/MapOptions.h"

#include "base/IniFile.h"
#include "base/StringConversions.h"

namespace {
double number(const IniFile& ini, const std::string& section, const char* key, double fallback) {
    const std::string text = ini.get(section, key, "");
    return text.empty() ? fallback : convertStringTo<double>(text);
}
}  // namespace

void MapOptions::read(const IniFile& ini, const std::string& section) {
    drawNose = number(ini, section, "drawNose", drawNose) != 0;
    noseLength = number(ini, section, "noseLength", noseLength);
    chartElements = number(ini, section, "chartElements", chartElements) != 0;
    descriptions = number(ini, section, "descriptions", descriptions) != 0;
    textSize = number(ini, section, "textSize", textSize);
    trafficFilterAlt = static_cast<int>(number(ini, section, "trafficFilterAlt", trafficFilterAlt));
}

void MapOptions::write(IniFile& ini, const std::string& section) const {
    ini.set(section, "drawNose", drawNose ? "1" : "0");
    ini.set(section, "noseLength", convertToString(noseLength));
    ini.set(section, "chartElements", chartElements ? "1" : "0");
    ini.set(section, "descriptions", descriptions ? "1" : "0");
    ini.set(section, "textSize", convertToString(textSize));
    ini.set(section, "trafficFilterAlt", convertToString(trafficFilterAlt));
}
