#pragma once
#include "chart/elements/ChartElementBases.h"

#include <cstdint>

// Taxiways, aprons, roads, railways, water, borders and the like: a line
// or an area drawn under everything else.
class GroundGeometryElement : public RecordElement<GroundGeometryElement, AShapeChartElement> {
public:
    // The kind of thing; five bits in the static data. The numbers group
    // what the map shows together: 0-8 and 19 are an airport's ground,
    // shown only at airport scale; 9-18 the land's features; 15-18 are
    // borders that run along a road, a railway, a river or a coast, so they
    // show with either of the two.
    enum Kind {
        UNKNOWN_KIND = 0, TAXIWAY = 1, APRON = 2, RUNWAY = 3, SHOULDER = 4, TAXILANE = 5, HOLDING_POSITION = 6,
        TAXIWAY_LINE = 7, AIRPORT_BOUNDARY = 8, ROAD = 9, RAILWAY = 10, WATER = 11, COASTLINE = 12, RIVER = 13,
        BORDER = 14, BORDER_ALONG_ROAD = 15, BORDER_ALONG_RAILWAY = 16, BORDER_ALONG_RIVER = 17,
        BORDER_ALONG_COAST = 18, HELIPAD = 19, BUILDING = 20, KIND_COUNT = 21
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
