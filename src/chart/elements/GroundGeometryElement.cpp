#include "chart/elements/GroundGeometryElement.h"

#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"
#include "chart/elements/StaticData.h"

#include <algorithm>
#include <cmath>

namespace {
// Features smaller than this are dropped early at small map scales.
constexpr double SMALL_FEATURE_AREA_M2 = 200000.0;

const char* const KIND_NAMES[GroundGeometryElement::KIND_COUNT] = {"Unknown",
                                                                   "Taxiway",
                                                                   "Apron",
                                                                   "Runway",
                                                                   "Shoulder",
                                                                   "Taxilane",
                                                                   "Holding position",
                                                                   "Taxiway line",
                                                                   "Airport boundary",
                                                                   "Road",
                                                                   "Railway",
                                                                   "Water",
                                                                   "Coastline",
                                                                   "River",
                                                                   "Border",
                                                                   "Border along a road",
                                                                   "Border along a railway",
                                                                   "Border along a river",
                                                                   "Border along a coast",
                                                                   "Helipad",
                                                                   "Building"};
}  // namespace

const char* GroundGeometryElement::getKindName(int kind) {
    return kind >= 0 && kind < KIND_COUNT ? KIND_NAMES[kind] : KIND_NAMES[UNKNOWN_KIND];
}

void GroundGeometryElement::setLineWidth(double metres) {
    const double units = std::round(metres * 2.0);
    additionalData = units > 0.0 ? static_cast<uint64_t>(std::min(units, 4294967295.0)) : 0;
}

double GroundGeometryElement::getStoredArea() const {
    return geometryType == AREA ? (additionalData & 0xFFFF) * GGE_AREA_UNIT_M2 : 0.0;
}

void GroundGeometryElement::setStoredArea(double squareMetres) {
    const double units = std::round(squareMetres / GGE_AREA_UNIT_M2);
    // Anything of measurable size keeps at least one unit, so that only a
    // truly empty area reads as "no area".
    uint64_t value = 0;
    if (units >= 65535.0) value = 65535;
    else if (units > 0.0)  // NaN stays 0
        value = static_cast<uint64_t>(units);
    if (value == 0 && squareMetres > 0.0) value = 1;
    additionalData = (additionalData & ~uint64_t(0xFFFF)) | value;
}

void GroundGeometryElement::setFromIni(const IniFile* ini) {
    const IniSection& s = getElementIniSection(ini);
    kind = static_cast<uint8_t>(iniGetInt(s, "type", kind));
    geometryType = static_cast<uint8_t>(iniGetInt(s, "geotype", geometryType));
    altitude = static_cast<uint16_t>(iniGetInt(s, "altitude", altitude));
    additionalData = iniGetU64(s, "additionalData", additionalData);
    if (geometryType == LINE && s.count("width")) additionalData = static_cast<uint64_t>(iniGetU64(s, "width", 0));
    maxWeight = static_cast<uint16_t>(iniGetInt(s, "maxWeight", maxWeight));
    maxWeightPerTire = static_cast<uint16_t>(iniGetInt(s, "maxWeightPerTire", maxWeightPerTire));
    readPointsFromIni(s);
    name = getFromIniSection(s, "name", name);
    description = getFromIniSection(s, "description", description);
    updateBoundingBox();
}

void GroundGeometryElement::writeToIni(IniFile* ini) const {
    IniSection s;
    s["Type"] = "GROUNDGEOMETRY";
    iniSetInt(s, "type", kind);
    iniSetInt(s, "geotype", geometryType);
    iniSetInt(s, "altitude", altitude);
    iniSetU64(s, "additionalData", additionalData);
    iniSetInt(s, "maxWeight", maxWeight);
    iniSetInt(s, "maxWeightPerTire", maxWeightPerTire);
    writePointsToIni(s);
    s["name"] = name;
    s["description"] = description;
    storeElementIniSection(ini, s);
}

void GroundGeometryElement::setDefaults() {
    kind = UNKNOWN_KIND;
    geometryType = LINE;
    altitude = 0;
    additionalData = 0;
    maxWeight = maxWeightPerTire = 0;
    points.clear();
    name.clear();
    description.clear();
    updateBoundingBox();
}

std::wstring GroundGeometryElement::getRemarks() const { return widen(description); }

std::wstring GroundGeometryElement::createDescriptionString() const {
    return widen(getKindName(kind)) + (name.empty() ? L"" : L" " + widen(name));
}

std::wstring GroundGeometryElement::getIndicatedLabel(bool, const units::UnitConverter*) const { return widen(name); }

std::wstring GroundGeometryElement::createAML(const units::UnitConverter*, const std::string& style) const {
    AmlPage page(style, createDescriptionString());
    if (maxWeight > 0) page.row(L"Maximum weight", std::to_wstring(maxWeight) + L" kg");
    if (maxWeightPerTire > 0) page.row(L"Maximum weight per tire", std::to_wstring(maxWeightPerTire) + L" kg");
    return page.optionalRow(L"Description", widen(description)).str();
}

void GroundGeometryElement::writeStaticData(char* staticData) const {
    staticData[0] = GROUNDGEOMETRY;
    const unsigned areaValue = geometryType == AREA ? static_cast<unsigned>(additionalData & 0xFFFF) : 0;
    staticData[1] = static_cast<char>(areaValue ? ggeAreaToByte(areaValue * GGE_AREA_UNIT_M2) : 0);
    uint8_t flags = kind & 0x1F;
    if (areaValue == 0) flags |= 0x20;
    if (geometryType == LINE) flags |= 0x40;
    if (boundingBoxArea < SMALL_FEATURE_AREA_M2) flags |= 0x80;
    staticData[2] = static_cast<char>(flags);
}
