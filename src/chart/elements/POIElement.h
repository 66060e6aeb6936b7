#pragma once
#include "chart/elements/ChartElementBases.h"

// A place or a natural feature: a town, a peak, a lake.
class POIElement : public RecordElement<POIElement, APointChartElement> {
public:
    enum POIType {
        COUNTRY, STATE, REGION, PROVINCE, DISTRICT, COUNTY, MUNICIPALITY, CITY, BOROUGH, SUBURB, TOWN, VILLAGE, HAMLET,
        CONTINENT, ARCHIPELAGO, ISLAND, ISLET, SEA, OCEAN, PEAK, VOLCANO, SMALL_LAKE, LAKE_1, LAKE_10, LAKE_400,
        POI_TYPE_COUNT
    };
    static constexpr int16_t UNKNOWN_ALTITUDE = 32767;

    uint8_t poiType = VILLAGE;
    std::string name;
    int16_t altitude = UNKNOWN_ALTITUDE;  // ft

    POIElement() { setDefaults(); }
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return POI; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) { v(poiType, name, record::longLat(position), altitude); }

    // The type word ("city", "peak", "LAKE_10" ...); -1 for an unknown word.
    static int getTypeFromString(const std::string& text);
    // The word of a type; "" for a code out of range.
    static const char* getStringFromType(int type);

protected:
    std::vector<std::string> getInsertionNames() const override;
};
