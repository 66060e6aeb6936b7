#include "chart/elements/ObstructionElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"
#include "chart/elements/StaticData.h"

void ObstructionElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    readPositionFromIni(s);
    group = getFromIniSection(s, "Group", group);
    heightAGL = iniGetInt(s, "AGL", heightAGL);
    topMSL = iniGetInt(s, "MSL", topMSL);
    knownLighting = getFromIniSection(s, "knownLighting", knownLighting);
    accuratePosition = getFromIniSection(s, "accuratePosition", accuratePosition);
    remarks = getFromIniSection(s, "Rem", remarks);
}

void ObstructionElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "OBSTRUCTION";
    writePositionToIni(s);
    setToIniSection(s, "Group", group);
    iniSetInt(s, "AGL", heightAGL);
    iniSetInt(s, "MSL", topMSL);
    setToIniSection(s, "knownLighting", knownLighting);
    setToIniSection(s, "accuratePosition", accuratePosition);
    s["Rem"] = remarks;
    storeElementIniSection(ini, s);
}

void ObstructionElement::setDefaults() {
    position = ChartPosition();
    group = knownLighting = accuratePosition = false;
    heightAGL = topMSL = 0;
    remarks.clear();
}

std::wstring ObstructionElement::createDescriptionString() const {
    return (group ? L"Obstacle group " : L"Obstacle ") + formatFeet(topMSL, nullptr) + L" MSL";
}

std::wstring ObstructionElement::getIndicatedLabel(bool full, const units::UnitConverter* converter) const {
    if (!full)
        return formatFeetNumber(topMSL, converter);
    return formatFeetNumber(topMSL, converter) + L" (" + formatFeetNumber(heightAGL, converter) + L")";
}

std::wstring ObstructionElement::createAML(const units::UnitConverter* converter, const std::string& style) const {
    return AmlPage(style, group ? L"Obstacle group" : L"Obstacle")
        .row(L"Top", formatFeet(topMSL, converter) + L" MSL")
        .row(L"Height", formatFeet(heightAGL, converter) + L" AGL")
        .row(L"Lighting", knownLighting ? L"known" : L"unknown")
        .optionalRow(L"Remarks", widen(remarks))
        .str();
}

void ObstructionElement::writeStaticData(char* staticData) const {
    staticData[0] = OBSTRUCTION;
    setStaticWord(staticData, encodeStaticAltitude16(units::feetToMetres(topMSL)));
}
