#include "chart/elements/ChartElementBases.h"

#include "chart/elements/ChartElementDuplicates.h"
#include "chart/elements/ChartElementIni.h"
#include "chart/elements/ChartElementText.h"
#include "geo/Geodesy.h"

std::wstring APointChartElement::getRemarks() const { return widen(remarks); }

std::string APointChartElement::getTrieInsertionName(int index) const {
    const std::vector<std::string> names = getInsertionNames();
    if (index < 0 || index >= static_cast<int>(names.size()))
        return std::string();
    return names[index];
}

void APointChartElement::readPositionFromIni(const IniSection& section) {
    position.latitude = iniGetDouble(section, "Lat", position.latitude);
    position.longitude = iniGetDouble(section, "Long", position.longitude);
}

void APointChartElement::writePositionToIni(IniSection& section) const {
    iniSetDouble(section, "Lat", position.latitude);
    iniSetDouble(section, "Long", position.longitude);
}

ChartPosition AShapeChartElement::getPosition() const {
    return points.empty() ? ChartPosition() : points.front();
}

ChartPosition AShapeChartElement::getAreaDefiningPoint(int index) const {
    if (index < 0 || index >= static_cast<int>(points.size()))
        return ChartPosition();
    return points[index];
}

bool AAirwayPointChartElement::equalsAirwayPoint(const AAirwayPointChartElement* other) const {
    return other->ident == ident && areDuplicatePositions(position, other->position);
}

void AAirwayPointChartElement::mergeUsage(const AAirwayPointChartElement* other) {
    highAltUsage = highAltUsage || other->highAltUsage;
    lowAltUsage = lowAltUsage || other->lowAltUsage;
    usedByAirways = usedByAirways || other->usedByAirways;
}

void AAirwayPointChartElement::writeUsageToIni(IniSection& section) const {
    setToIniSection(section, "highAltUsage", highAltUsage);
    setToIniSection(section, "lowAltUsage", lowAltUsage);
    setToIniSection(section, "usedByAirways", usedByAirways);
}

void AAirwayPointChartElement::readUsageFromIni(const IniSection& section) {
    highAltUsage = getFromIniSection(section, "highAltUsage", highAltUsage);
    lowAltUsage = getFromIniSection(section, "lowAltUsage", lowAltUsage);
    usedByAirways = getFromIniSection(section, "usedByAirways", usedByAirways);
}

char AAirwayPointChartElement::getUsageBits() const {
    return static_cast<char>((highAltUsage ? 1 : 0) | (lowAltUsage ? 2 : 0) | (usedByAirways ? 4 : 0));
}

void ANavaidChartElement::writeStaticData(char* staticData) const {
    staticData[0] = static_cast<char>(getType());
    staticData[1] = getUsageBits();
    staticData[2] = 0;
}

std::vector<std::string> ANavaidChartElement::getInsertionNames() const { return makeInsertionNames({ident, name}); }

void ANavaidChartElement::mergeNavaid(const ANavaidChartElement* other) {
    mergeUsage(other);
    if (name.empty())
        name = other->name;
    if (remarks.empty())
        remarks = other->remarks;
}

void ANavaidChartElement::setNavaidDefaults() {
    position = ChartPosition();
    remarks.clear();
    ident.clear();
    name.clear();
    highAltUsage = usedByAirways = false;
    lowAltUsage = true;
    magneticVariation = 0.0f;
}

void AShapeChartElement::updateBoundingBox() {
    boundingBoxArea = 0.0;
    boundingBoxValid = calculateBoundingBox(northWest, southEast, boundingBoxArea, points);
}

void AShapeChartElement::writePointsToIni(IniSection& section) const {
    iniSetInt(section, "posCount", static_cast<long long>(points.size()));
    for (size_t i = 0; i < points.size(); ++i) {
        const std::string index = "[" + std::to_string(i) + "]";
        iniSetDouble(section, "Long" + index, points[i].longitude);
        iniSetDouble(section, "Lat" + index, points[i].latitude);
    }
}

void AShapeChartElement::readPointsFromIni(const IniSection& section) {
    const int count = iniGetInt(section, "posCount", -1);
    if (count < 0)
        return;
    points.clear();
    for (int i = 0; i < count; ++i) {
        const std::string index = "[" + std::to_string(i) + "]";
        points.emplace_back(iniGetDouble(section, "Long" + index, 0.0), iniGetDouble(section, "Lat" + index, 0.0));
    }
}
