#include "chart/ChartElementBases.h"

#include "chart/ChartElementDuplicates.h"
#include "chart/ChartElementText.h"
#include "chart/Geodesy.h"

std::wstring APointChartElement::getRemarks() const { return widen(remarks); }

std::string APointChartElement::getTrieInsertionName(int index) const {
    const std::vector<std::string> names = getInsertionNames();
    if (index < 0 || index >= static_cast<int>(names.size()))
        return std::string();
    return names[index];
}

ChartPosition AShapeChartElement::getPosition() const {
    return points.empty() ? ChartPosition() : points.front();
}

ChartPosition AShapeChartElement::getAreaDefiningPoint(int index) const {
    if (index < 0 || index >= static_cast<int>(points.size()))
        return ChartPosition();
    return points[index];
}

void ANavaidChartElement::writeStaticData(char* staticData) const {
    staticData[0] = static_cast<char>(getType());
    staticData[1] = static_cast<char>((highAltUsage ? 1 : 0) | (lowAltUsage ? 2 : 0) | (usedByAirways ? 4 : 0));
    staticData[2] = 0;
}

std::vector<std::string> ANavaidChartElement::getInsertionNames() const { return makeInsertionNames({ident, name}); }

bool ANavaidChartElement::equalsNavaid(const ANavaidChartElement* other) const {
    return other->ident == ident && areDuplicatePositions(position, other->position);
}

void ANavaidChartElement::mergeNavaid(const ANavaidChartElement* other) {
    highAltUsage = highAltUsage || other->highAltUsage;
    lowAltUsage = lowAltUsage || other->lowAltUsage;
    usedByAirways = usedByAirways || other->usedByAirways;
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
