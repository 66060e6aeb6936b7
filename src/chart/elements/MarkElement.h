#pragma once
#include "chart/elements/ChartElementBases.h"

// A flag the pilot put on the map.
class MarkElement : public RecordElement<MarkElement, APointChartElement> {
public:
    std::string name;

    MarkElement() { setDefaults(); }
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return MARK; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) { v(record::latLong(position), name, remarks); }

protected:
    std::vector<std::string> getInsertionNames() const override;
};
