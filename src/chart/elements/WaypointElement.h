#pragma once
#include "chart/elements/ChartElementBases.h"

// A named fix (intersection, reporting point, RNAV waypoint).
class WaypointElement : public RecordElement<WaypointElement, AAirwayPointChartElement> {
public:
    bool pub = false;  // public
    bool rp = false;   // reporting point

    WaypointElement() { setDefaults(); }
    bool equals(const IChartElement* other) const override;
    void merge(const IChartElement* other) override;
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return WAYPOINT; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) { v(record::latLong(position), ident, remarks, usageFields(), pub, rp); }

protected:
    std::vector<std::string> getInsertionNames() const override;
};
