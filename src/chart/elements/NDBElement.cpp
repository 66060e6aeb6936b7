#include "chart/elements/NDBElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"

bool NDBElement::equals(const IChartElement* other) const {
    return other && other->getType() == NDB && equalsNavaid(static_cast<const NDBElement*>(other));
}

void NDBElement::merge(const IChartElement* other) {
    if (!equals(other))
        return;
    const auto* o = static_cast<const NDBElement*>(other);
    mergeNavaid(o);
    if (frequency == 0)
        frequency = o->frequency;
}

void NDBElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    readPositionFromIni(s);
    frequency = iniGetInt(s, "Freq", frequency);
    ident = getFromIniSection(s, "Ident", ident);
    name = getFromIniSection(s, "Name", name);
    remarks = getFromIniSection(s, "Rem", remarks);
    readUsageFromIni(s);
    magneticVariation = static_cast<float>(iniGetDouble(s, "magneticVariation", magneticVariation));
}

void NDBElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "NDB";
    writePositionToIni(s);
    iniSetInt(s, "Freq", frequency);
    s["Ident"] = ident;
    s["Name"] = name;
    s["Rem"] = remarks;
    writeUsageToIni(s);
    iniSetDouble(s, "magneticVariation", magneticVariation);
    storeElementIniSection(ini, s);
}

void NDBElement::setDefaults() {
    setNavaidDefaults();
    ident = "NDB";
    frequency = 0;
}

std::wstring NDBElement::getFrequencyText() const { return std::to_wstring(frequency) + L" kHz"; }

std::wstring NDBElement::createDescriptionString() const {
    return L"NDB " + widen(ident) + (name.empty() ? L"" : L" " + widen(name));
}

std::wstring NDBElement::getIndicatedLabel(bool full, const units::UnitConverter*) const {
    if (!full)
        return widen(ident);
    return widen(ident) + L" " + std::to_wstring(frequency);
}

std::vector<std::wstring> NDBElement::getNavFrequencies() const {
    return {widen(ident) + L" " + getFrequencyText()};
}

std::wstring NDBElement::createAML(const units::UnitConverter*, const std::string& style) const {
    return AmlPage(style, L"NDB " + widen(ident))
        .optionalRow(L"Name", widen(name))
        .row(L"Frequency", getFrequencyText())
        .optionalRow(L"Remarks", widen(remarks))
        .str();
}
