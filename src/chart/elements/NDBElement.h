#pragma once
#include "chart/elements/ChartElementBases.h"

// A non-directional beacon.
class NDBElement : public RecordElement<NDBElement, ANavaidChartElement> {
public:
    int32_t frequency = 0;  // kHz

    NDBElement() { setDefaults(); }
    bool equals(const IChartElement* other) const override;
    void merge(const IChartElement* other) override;
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return NDB; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::vector<std::wstring> getNavFrequencies() const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;

    std::wstring getFrequencyText() const;

    template <class Visitor>
    void fields(Visitor& v) {
        v(record::latLong(position), frequency, ident, name, remarks, usageFields(), magneticVariation);
    }
};
