#pragma once
#include "chart/elements/IChartElement.h"

#include <string>
#include <vector>

// A bare element made of points, for placing things into the area tree
// without the record formats of the real kinds.
class FakeChartElement : public IChartElement {
public:
    explicit FakeChartElement(std::vector<ChartPosition> points, Type type = AIRSPACE)
        : points(std::move(points)), type(type) {}

    void write(std::ostream&) const override {}
    bool readFromBuffer(const char*, unsigned&, unsigned) override { return false; }
    void print() const override {}
    void setFromIni(const IniFile*) override {}
    void writeToIni(IniFile*) const override {}
    void setDefaults() override {}
    ChartPosition getPosition() const override { return points.empty() ? ChartPosition() : points.front(); }
    std::wstring getRemarks() const override { return L""; }
    Type getType() const override { return type; }
    std::wstring createDescriptionString() const override { return L""; }
    std::wstring getIndicatedLabel(bool, const units::UnitConverter*) const override { return L""; }
    int getTrieInsertionNameCount() const override { return 0; }
    std::string getTrieInsertionName(int) const override { return ""; }
    int getAreaDefiningPointCount() const override { return static_cast<int>(points.size()); }
    ChartPosition getAreaDefiningPoint(int index) const override { return points[static_cast<size_t>(index)]; }
    std::wstring createAML(const units::UnitConverter*, const std::string&) const override { return L""; }
    void writeStaticData(char* staticData) const override {
        staticData[0] = static_cast<char>(type);
        staticData[1] = 0x5A;
        staticData[2] = 0x0F;
    }

private:
    std::vector<ChartPosition> points;
    Type type;
};
