#include "chart/elements/POIElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"

namespace {
const char* const POI_TYPE_NAMES[POIElement::POI_TYPE_COUNT] = {
    "country", "state",  "region",      "province", "district", "county", "municipality", "city",       "borough",
    "suburb",  "town",   "village",     "hamlet",   "continent", "archipelago", "island", "islet",     "sea",
    "ocean",   "peak",   "volcano",     "SMALL_LAKE", "LAKE_1", "LAKE_10", "LAKE_400"};
}

int POIElement::getTypeFromString(const std::string& text) {
    for (int i = 0; i < POI_TYPE_COUNT; ++i)
        if (text == POI_TYPE_NAMES[i])
            return i;
    return -1;
}

const char* POIElement::getStringFromType(int type) {
    return type >= 0 && type < POI_TYPE_COUNT ? POI_TYPE_NAMES[type] : "";
}

void POIElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    const int type = getTypeFromString(getFromIniSection(s, "type", getStringFromType(poiType)));
    if (type >= 0)
        poiType = static_cast<uint8_t>(type);
    name = getFromIniSection(s, "name", name);
    readPositionFromIni(s);
    altitude = static_cast<int16_t>(iniGetInt(s, "Alt", altitude));
}

void POIElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "POI";
    s["type"] = getStringFromType(poiType);
    s["name"] = name;
    writePositionToIni(s);
    iniSetInt(s, "Alt", altitude);
    storeElementIniSection(ini, s);
}

void POIElement::setDefaults() {
    poiType = VILLAGE;
    name.clear();
    position = ChartPosition();
    altitude = UNKNOWN_ALTITUDE;
    remarks.clear();
}

std::wstring POIElement::createDescriptionString() const { return widen(name); }

std::wstring POIElement::getIndicatedLabel(bool full, const units::UnitConverter* converter) const {
    if (full && altitude != UNKNOWN_ALTITUDE)
        return widen(name) + L" " + formatFeet(altitude, converter);
    return widen(name);
}

std::wstring POIElement::createAML(const units::UnitConverter* converter, const std::string& style) const {
    return AmlPage(style, widen(name))
        .row(L"Kind", widen(getStringFromType(poiType)))
        .optionalRow(L"Elevation", altitude == UNKNOWN_ALTITUDE ? std::wstring() : formatFeet(altitude, converter))
        .str();
}

void POIElement::writeStaticData(char* staticData) const {
    staticData[0] = POI;
    staticData[1] = static_cast<char>(poiType);
    staticData[2] = 0;
}

std::vector<std::string> POIElement::getInsertionNames() const { return makeInsertionNames({name}); }
