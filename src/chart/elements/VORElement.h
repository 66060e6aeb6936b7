#pragma once
#include "chart/elements/ChartElementBases.h"

// A VOR, VOR-DME, VORTAC or TACAN station.
class VORElement : public RecordElement<VORElement, ANavaidChartElement> {
public:
    enum VORType { VOR_ONLY = 0, VORDME = 1, VORTAC = 2, TACAN = 3, VOR_TYPE_COUNT = 4 };

    int32_t frequencyMHz = 0;
    int32_t frequencyKHz = 0;
    std::string fss;  // flight service station
    uint32_t vorType = VOR_ONLY;
    std::string tacanChannel;

    VORElement() { setDefaults(); }
    bool equals(const IChartElement* other) const override;
    void merge(const IChartElement* other) override;
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return VOR; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::vector<std::wstring> getNavFrequencies() const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;

    // "VOR", "VORDME", "VORTAC" or "TACAN"; unknown codes read as "VOR".
    static const char* getVORTypeName(uint32_t type);
    static uint32_t getVORTypeFromName(const std::string& name);

    template <class Visitor>
    void fields(Visitor& v) {
        v(record::latLong(position), frequencyMHz, frequencyKHz, ident, name, fss, remarks, vorType, tacanChannel,
          usageFields(), magneticVariation);
    }
};
