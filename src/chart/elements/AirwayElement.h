#pragma once
#include "chart/elements/ChartElementBases.h"

#include <cstdint>

// One segment of an airway between two fixes.
class AirwayElement : public RecordElement<AirwayElement, IChartElement> {
public:
    ChartPosition start, end;
    bool oneDirection = false;
    std::string name;
    std::string remarks;
    int32_t mea = 0;  // ft
    bool meaAvail = false;
    int32_t moca = 0;  // ft
    bool mocaAvail = false;
    int32_t maa = 0;  // ft
    bool maaAvail = false;
    bool highAltUsage = false;
    bool lowAltUsage = false;

    AirwayElement() { setDefaults(); }
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    // The middle of the segment.
    ChartPosition getPosition() const override;
    std::wstring getRemarks() const override;
    Type getType() const override { return AIRWAY; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    // A segment shared by several airways is named by all of them joined
    // with "-" ("V165-V287"); it is found under the joined name and under
    // each airway's own name.
    int getTrieInsertionNameCount() const override;
    std::string getTrieInsertionName(int index) const override;
    int getAreaDefiningPointCount() const override { return 2; }
    ChartPosition getAreaDefiningPoint(int index) const override { return index == 0 ? start : end; }
    bool isLowAltitudeRelevant() const override { return lowAltUsage; }
    bool isHighAltitudeRelevant() const override { return highAltUsage; }
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) {
        v(record::longLat(start), record::longLat(end), oneDirection, name, remarks, mea, meaAvail, moca, mocaAvail,
          maa, maaAvail, highAltUsage, lowAltUsage);
    }

    // The settings descriptor the element editor builds its dialog from.
    static const char* getIniDescriptor();
};
