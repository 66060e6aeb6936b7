#include "chart/elements/AirwayElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"
#include "geo/Geodesy.h"

const char* AirwayElement::getIniDescriptor() {
    return "Type,Type:,AIRWAY_SEGMENT,NOT_EDITABLE;startLong,Start Longitude:,0,DOUBLE;startLat,Start Latitude:,0,"
           "DOUBLE;endLong,End Longitude:,0,DOUBLE;endLat,End Latitude:,0,DOUBLE;Name,Name:,Airway,STRING;Rem,"
           "Remarks:,-,STRING;SD,Only one direction,0,BOOLEAN;mea,MEA:,0,INT;meaAvail,MEA available,0,BOOLEAN;moca,"
           "MOCA:,0,INT;mocaAvail,MOCA available,0,BOOLEAN;maa,MAA:,0,INT;maaAvail,MAA available,0,BOOLEAN;"
           "highAltUsage,High altitude usage,0,BOOLEAN;lowAltUsage,Low altitude usage,0,BOOLEAN;";
}

void AirwayElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    start.longitude = iniGetDouble(s, "startLong", start.longitude);
    start.latitude = iniGetDouble(s, "startLat", start.latitude);
    end.longitude = iniGetDouble(s, "endLong", end.longitude);
    end.latitude = iniGetDouble(s, "endLat", end.latitude);
    oneDirection = getFromIniSection(s, "SD", oneDirection);
    name = getFromIniSection(s, "Name", name);
    remarks = getFromIniSection(s, "Rem", remarks);
    mea = iniGetInt(s, "mea", mea);
    meaAvail = getFromIniSection(s, "meaAvail", meaAvail);
    moca = iniGetInt(s, "moca", moca);
    mocaAvail = getFromIniSection(s, "mocaAvail", mocaAvail);
    maa = iniGetInt(s, "maa", maa);
    maaAvail = getFromIniSection(s, "maaAvail", maaAvail);
    highAltUsage = getFromIniSection(s, "highAltUsage", highAltUsage);
    lowAltUsage = getFromIniSection(s, "lowAltUsage", lowAltUsage);
}

void AirwayElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "AIRWAY_SEGMENT";
    iniSetDouble(s, "startLong", start.longitude);
    iniSetDouble(s, "startLat", start.latitude);
    iniSetDouble(s, "endLong", end.longitude);
    iniSetDouble(s, "endLat", end.latitude);
    setToIniSection(s, "SD", oneDirection);
    s["Name"] = name;
    s["Rem"] = remarks;
    iniSetInt(s, "mea", mea);
    setToIniSection(s, "meaAvail", meaAvail);
    iniSetInt(s, "moca", moca);
    setToIniSection(s, "mocaAvail", mocaAvail);
    iniSetInt(s, "maa", maa);
    setToIniSection(s, "maaAvail", maaAvail);
    setToIniSection(s, "highAltUsage", highAltUsage);
    setToIniSection(s, "lowAltUsage", lowAltUsage);
    storeElementIniSection(ini, s);
}

// The defaults are those of the editor's descriptor.
void AirwayElement::setDefaults() {
    start = end = ChartPosition();
    oneDirection = false;
    name = "Airway";
    remarks = "-";
    mea = moca = maa = 0;
    meaAvail = mocaAvail = maaAvail = false;
    highAltUsage = lowAltUsage = false;
}

ChartPosition AirwayElement::getPosition() const { return calcChartPositionCenter(start, end); }

std::wstring AirwayElement::getRemarks() const { return widen(remarks); }

std::wstring AirwayElement::createDescriptionString() const { return L"Airway " + widen(name); }

std::wstring AirwayElement::getIndicatedLabel(bool full, const units::UnitConverter* converter) const {
    if (full && meaAvail)
        return widen(name) + L" " + formatFeetNumber(mea, converter);
    return widen(name);
}

namespace {

// The airway names of a joined name; empty when the name is a single one.
std::vector<std::string> sharedAirwayNames(const std::string& name) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t dash = name.find('-'); dash != std::string::npos; dash = name.find('-', start)) {
        if (dash > start)
            parts.push_back(name.substr(start, dash - start));
        start = dash + 1;
    }
    if (parts.empty())
        return parts;
    if (start < name.size())
        parts.push_back(name.substr(start));
    return parts;
}

}  // namespace

int AirwayElement::getTrieInsertionNameCount() const {
    return name.empty() ? 0 : 1 + static_cast<int>(sharedAirwayNames(name).size());
}

std::string AirwayElement::getTrieInsertionName(int index) const {
    if (index == 0)
        return name;
    const std::vector<std::string> parts = sharedAirwayNames(name);
    return index > 0 && index <= static_cast<int>(parts.size()) ? parts[static_cast<size_t>(index - 1)]
                                                                : std::string();
}

std::wstring AirwayElement::createAML(const units::UnitConverter* converter, const std::string& style) const {
    return AmlPage(style, L"Airway " + widen(name))
        .optionalRow(L"MEA", meaAvail ? formatFeet(mea, converter) : std::wstring())
        .optionalRow(L"MOCA", mocaAvail ? formatFeet(moca, converter) : std::wstring())
        .optionalRow(L"MAA", maaAvail ? formatFeet(maa, converter) : std::wstring())
        .row(L"Direction", oneDirection ? L"one way" : L"both ways")
        .optionalRow(L"Remarks", widen(remarks))
        .str();
}

void AirwayElement::writeStaticData(char* staticData) const {
    staticData[0] = AIRWAY;
    staticData[1] = static_cast<char>((highAltUsage ? 1 : 0) | (lowAltUsage ? 2 : 0));
    staticData[2] = 0;
}
