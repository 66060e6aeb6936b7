#include "chart/elements/AirspaceElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"
#include "chart/elements/StaticData.h"

namespace {
// Above this, airspace belongs to the high-altitude (IFR high) charts.
constexpr int32_t HIGH_ALTITUDE_FT = 18000;
}  // namespace

const char* AirspaceElement::getLabelForAltitudeReference(int reference) {
    switch (reference) {
    case AGL: return "AGL";
    case MSL: return "MSL";
    case FL: return "FL";
    default: return "";
    }
}

std::wstring AirspaceElement::formatLimit(int32_t feet, int reference, const units::UnitConverter* converter) {
    if (reference == FL)
        return L"FL" + std::to_wstring(feet / 100);
    if (reference == AGL)
        return feet == 0 ? L"GND" : formatFeet(feet, converter) + L" AGL";
    return formatFeet(feet, converter);
}

void AirspaceElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    excluded = getFromIniSection(s, "excludes", excluded);
    topReference = static_cast<uint8_t>(iniGetInt(s, "mslReferenceTop", topReference));
    bottomReference = static_cast<uint8_t>(iniGetInt(s, "mslReferenceBottom", bottomReference));
    top = iniGetInt(s, "Top", top);
    bottom = iniGetInt(s, "Bot", bottom);
    airspaceClass = getFromIniSection(s, "Class", airspaceClass);
    name = getFromIniSection(s, "name", name);
    remarks = getFromIniSection(s, "Rem", remarks);
    readPointsFromIni(s);
    updateBoundingBox();
}

void AirspaceElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "AIRSPACE";
    setToIniSection(s, "excludes", excluded);
    iniSetInt(s, "mslReferenceTop", topReference);
    iniSetInt(s, "mslReferenceBottom", bottomReference);
    iniSetInt(s, "Top", top);
    iniSetInt(s, "Bot", bottom);
    s["Class"] = airspaceClass;
    s["name"] = name;
    s["Rem"] = remarks;
    writePointsToIni(s);
    storeElementIniSection(ini, s);
}

void AirspaceElement::setDefaults() {
    excluded = false;
    topReference = MSL;
    bottomReference = AGL;
    top = 2500;
    bottom = 0;
    airspaceClass = "D";
    name.clear();
    remarks.clear();
    points.clear();
    updateBoundingBox();
}

std::wstring AirspaceElement::getRemarks() const { return widen(remarks); }

std::wstring AirspaceElement::createDescriptionString() const {
    return widen(airspaceClass) + L" " + widen(name);
}

std::wstring AirspaceElement::getIndicatedLabel(bool full, const units::UnitConverter* converter) const {
    std::wstring limits =
        formatLimit(top, topReference, converter) + L" / " + formatLimit(bottom, bottomReference, converter);
    if (!full)
        return limits;
    return widen(name) + L" " + widen(airspaceClass) + L" " + limits;
}

bool AirspaceElement::isLowAltitudeRelevant() const {
    return bottomReference == AGL || bottom < HIGH_ALTITUDE_FT;
}

bool AirspaceElement::isHighAltitudeRelevant() const { return top >= HIGH_ALTITUDE_FT; }

std::wstring AirspaceElement::createAML(const units::UnitConverter* converter, const std::string& style) const {
    return AmlPage(style, widen(name))
        .row(L"Class", widen(airspaceClass))
        .row(L"Upper limit", formatLimit(top, topReference, converter))
        .row(L"Lower limit", formatLimit(bottom, bottomReference, converter))
        .optionalRow(L"Remarks", widen(remarks))
        .str();
}

void AirspaceElement::writeStaticData(char* staticData) const {
    staticData[0] = AIRSPACE;
    const uint16_t altitude = encodeStaticAltitude12(units::feetToMetres(bottom));
    const uint16_t classIndex = static_cast<uint16_t>(getStaticAirspaceClassIndex(airspaceClass));
    setStaticWord(staticData, static_cast<uint16_t>((altitude & 0x0FFF) | (classIndex << 12)));
}
