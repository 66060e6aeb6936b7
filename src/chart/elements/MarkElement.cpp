#include "chart/elements/MarkElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"

void MarkElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    readPositionFromIni(s);
    name = getFromIniSection(s, "Name", name);
    remarks = getFromIniSection(s, "Rem", remarks);
}

void MarkElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "MARK";
    writePositionToIni(s);
    s["Name"] = name;
    s["Rem"] = remarks;
    storeElementIniSection(ini, s);
}

void MarkElement::setDefaults() {
    position = ChartPosition();
    name = "Mark";
    remarks.clear();
}

std::wstring MarkElement::createDescriptionString() const { return widen(name); }

std::wstring MarkElement::getIndicatedLabel(bool, const units::UnitConverter*) const { return widen(name); }

std::wstring MarkElement::createAML(const units::UnitConverter*, const std::string& style) const {
    return AmlPage(style, widen(name)).optionalRow(L"Remarks", widen(remarks)).str();
}

void MarkElement::writeStaticData(char* staticData) const {
    staticData[0] = MARK;
    staticData[1] = 0;
    staticData[2] = 0;
}

std::vector<std::string> MarkElement::getInsertionNames() const { return makeInsertionNames({name}); }
