#pragma once
#include "chart/elements/ChartElementBases.h"

// A named fix (intersection, reporting point, RNAV waypoint).
class WaypointElement : public AAirwayPointChartElement {
public:
    bool pub = false;  // public
    bool rp = false;   // reporting point

    WaypointElement() { setDefaults(); }
    bool equals(const IChartElement* other) const override;
    void merge(const IChartElement* other) override;
    void write(std::ostream& out) const override;
    bool readFromBuffer(const char* buffer, unsigned& position, unsigned size) override;
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return WAYPOINT; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

protected:
    std::vector<std::string> getInsertionNames() const override;
};
