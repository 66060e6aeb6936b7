#include "chart/elements/VORElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"

namespace {
const char* const VOR_TYPE_NAMES[VORElement::VOR_TYPE_COUNT] = {"VOR", "VORDME", "VORTAC", "TACAN"};
}

const char* VORElement::getVORTypeName(uint32_t type) {
    return type < VOR_TYPE_COUNT ? VOR_TYPE_NAMES[type] : VOR_TYPE_NAMES[VOR_ONLY];
}

uint32_t VORElement::getVORTypeFromName(const std::string& name) {
    for (uint32_t i = 0; i < VOR_TYPE_COUNT; ++i)
        if (name == VOR_TYPE_NAMES[i])
            return i;
    return VOR_ONLY;
}

bool VORElement::equals(const IChartElement* other) const {
    return other && other->getType() == VOR && equalsNavaid(static_cast<const VORElement*>(other));
}

void VORElement::merge(const IChartElement* other) {
    if (!equals(other))
        return;
    const auto* o = static_cast<const VORElement*>(other);
    mergeNavaid(o);
    if (frequencyMHz == 0) {
        frequencyMHz = o->frequencyMHz;
        frequencyKHz = o->frequencyKHz;
    }
    if (fss.empty())
        fss = o->fss;
    if (tacanChannel.empty())
        tacanChannel = o->tacanChannel;
    if (vorType == VOR_ONLY)
        vorType = o->vorType;
}

void VORElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    readPositionFromIni(s);
    frequencyMHz = iniGetInt(s, "MHZ", frequencyMHz);
    frequencyKHz = iniGetInt(s, "KHZ", frequencyKHz);
    ident = getFromIniSection(s, "Ident", ident);
    name = getFromIniSection(s, "Name", name);
    fss = getFromIniSection(s, "FSS", fss);
    remarks = getFromIniSection(s, "Rem", remarks);
    vorType = getVORTypeFromName(getFromIniSection(s, "VORType", getVORTypeName(vorType)));
    tacanChannel = getFromIniSection(s, "Tacan", tacanChannel);
    readUsageFromIni(s);
    magneticVariation = static_cast<float>(iniGetDouble(s, "magneticVariation", magneticVariation));
}

void VORElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "VOR";
    writePositionToIni(s);
    iniSetInt(s, "MHZ", frequencyMHz);
    iniSetInt(s, "KHZ", frequencyKHz);
    s["Ident"] = ident;
    s["Name"] = name;
    s["FSS"] = fss;
    s["Rem"] = remarks;
    s["VORType"] = getVORTypeName(vorType);
    s["Tacan"] = tacanChannel;
    writeUsageToIni(s);
    iniSetDouble(s, "magneticVariation", magneticVariation);
    storeElementIniSection(ini, s);
}

void VORElement::setDefaults() {
    setNavaidDefaults();
    ident = "VOR";
    frequencyMHz = 108;
    frequencyKHz = 0;
    fss.clear();
    vorType = VOR_ONLY;
    tacanChannel.clear();
}

std::wstring VORElement::createDescriptionString() const {
    return widen(getVORTypeName(vorType)) + L" " + widen(ident) + (name.empty() ? L"" : L" " + widen(name));
}

std::wstring VORElement::getIndicatedLabel(bool full, const units::UnitConverter*) const {
    if (!full)
        return widen(ident);
    return widen(name) + L" " + widen(ident) + L" " + formatFrequency(frequencyMHz, frequencyKHz);
}

std::vector<std::wstring> VORElement::getNavFrequencies() const {
    if (vorType == TACAN)
        return {widen(ident) + L" CH " + widen(tacanChannel)};
    return {widen(ident) + L" " + formatFrequency(frequencyMHz, frequencyKHz)};
}

std::wstring VORElement::createAML(const units::UnitConverter*, const std::string& style) const {
    return AmlPage(style, widen(getVORTypeName(vorType)) + L" " + widen(ident))
        .optionalRow(L"Name", widen(name))
        .row(L"Frequency", formatFrequency(frequencyMHz, frequencyKHz))
        .optionalRow(L"TACAN channel", widen(tacanChannel))
        .optionalRow(L"FSS", widen(fss))
        .optionalRow(L"Remarks", widen(remarks))
        .str();
}
