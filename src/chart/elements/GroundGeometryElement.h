#pragma once
#include "chart/elements/ChartElementBases.h"

#include <cstdint>

// Taxiways, aprons, roads, railways, water, borders and the like: a line
// or an area drawn under everything else.
class GroundGeometryElement : public RecordElement<GroundGeometryElement, AShapeChartElement> {
public:
    // The kind of thing; five bits in the static data.
    enum Kind {
        UNKNOWN_KIND = 0, TAXIWAY = 1, APRON = 2, ROAD = 3, RAILWAY = 4, WATER = 5, RIVER = 6, BORDER = 7,
        COASTLINE = 8, FOREST = 9, URBAN = 10, KIND_COUNT = 11
    };
    enum GeometryType { LINE = 0, AREA = 1 };

    uint8_t kind = UNKNOWN_KIND;
    uint8_t geometryType = LINE;
    uint16_t altitude = 0;  // ft MSL
    // Lines: the width in units of 0.5 m. Areas: bits 0-15 the area in
    // units of GGE_AREA_UNIT_M2.
    uint64_t additionalData = 0;
    uint16_t maxWeight = 0;         // kg
    uint16_t maxWeightPerTire = 0;  // kg
    std::string name;
    std::string description;

    GroundGeometryElement() { setDefaults(); }
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    std::wstring getRemarks() const override;
    Type getType() const override { return GROUNDGEOMETRY; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    int getTrieInsertionNameCount() const override { return 0; }
    std::string getTrieInsertionName(int) const override { return std::string(); }
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) {
        v(kind, geometryType, altitude, additionalData, maxWeight, maxWeightPerTire, record::longLat(points), name,
          description);
    }

    // Width of a line in metres.
    double getLineWidth() const { return geometryType == LINE ? (additionalData & 0xFFFFFFFFu) * 0.5 : 0.0; }
    void setLineWidth(double metres);
    // The area of an area feature in m², as stored in the additional data.
    double getStoredArea() const;
    void setStoredArea(double squareMetres);

    static const char* getKindName(int kind);
};
