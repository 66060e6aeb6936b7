#pragma once
#include "chart/elements/ChartElementBases.h"

#include <cstdint>

// A volume of controlled, restricted or otherwise special airspace: a
// closed polygon with lower and upper limits.
class AirspaceElement : public RecordElement<AirspaceElement, AShapeChartElement> {
public:
    enum AltitudeReference { AGL = 0, MSL = 1, FL = 2 };

    bool excluded = false;
    uint8_t topReference = MSL;
    uint8_t bottomReference = MSL;
    int32_t top = 0;     // ft
    int32_t bottom = 0;  // ft
    std::string airspaceClass;
    std::string name;
    std::string remarks;

    AirspaceElement() { setDefaults(); }
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    std::wstring getRemarks() const override;
    Type getType() const override { return AIRSPACE; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    int getTrieInsertionNameCount() const override { return name.empty() ? 0 : 1; }
    std::string getTrieInsertionName(int index) const override { return index == 0 ? name : std::string(); }
    bool isLowAltitudeRelevant() const override;
    bool isHighAltitudeRelevant() const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) {
        v(excluded, topReference, bottomReference, top, bottom, airspaceClass, name, remarks, record::longLat(points));
    }

    // "AGL", "MSL" or "FL"; "" for an unknown reference.
    static const char* getLabelForAltitudeReference(int reference);
    // A limit as the pilot reads it: "GND", "2500 ft", "1000 ft AGL", "FL195"
    // (or "762 m" in metric units: flight levels stay flight levels).
    static std::wstring formatLimit(int32_t feet, int reference, const units::UnitConverter* converter = nullptr);
};
