#pragma once
#include "chart/elements/ChartElementBases.h"

// A mast, tower, building or group of them.
class ObstructionElement : public RecordElement<ObstructionElement, APointChartElement> {
public:
    bool group = false;
    int32_t heightAGL = 0;  // ft
    int32_t topMSL = 0;     // ft
    bool knownLighting = false;
    bool accuratePosition = false;

    ObstructionElement() { setDefaults(); }
    int getAccuracy() const override { return accuratePosition ? 1 : UNKNOWN_ACCURACY; }
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return OBSTRUCTION; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) {
        v(record::latLong(position), group, heightAGL, topMSL, knownLighting, accuratePosition, remarks);
    }

protected:
    std::vector<std::string> getInsertionNames() const override { return {}; }
};
