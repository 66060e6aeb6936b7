#pragma once
#include "chart/elements/AirportRunway.h"
#include "chart/elements/ChartElementBases.h"

#include <cstdint>
#include <utility>

// The frequencies of one service of an airport (tower, ground, ATIS ...).
struct AirportFrequency {
    std::string service;
    // MHz and kHz parts: 118.100 is {118, 100}.
    std::vector<std::pair<uint32_t, uint32_t>> values;

    template <class Visitor>
    void fields(Visitor& v) { v(service, values); }
};

// An airport, heliport or seaplane base with its runways and frequencies.
class AirportElement : public RecordElement<AirportElement, APointChartElement> {
public:
    std::vector<Runway> runways;
    int32_t elevation = 0;  // ft
    std::string ident;
    std::string name;
    std::string fuel;
    std::vector<AirportFrequency> frequencies;
    bool closed = false;
    bool heliport = false;
    bool privateUse = false;
    bool glider = false;
    bool towered = false;
    bool military = false;
    int32_t trafficPatternAltitude = 1000;  // ft
    uint8_t accuracy = UNKNOWN_ACCURACY;

    AirportElement() { setDefaults(); }
    int getAccuracy() const override { return accuracy; }
    bool equals(const IChartElement* other) const override;
    void merge(const IChartElement* other) override;
    void setFromIni(const IniFile* ini) override;
    void writeToIni(IniFile* ini) const override;
    void setDefaults() override;
    Type getType() const override { return AIRPORT; }
    std::wstring createDescriptionString() const override;
    std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const override;
    std::vector<std::wstring> getComFrequencies() const override;
    std::vector<std::wstring> getNavFrequencies() const override;
    std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const override;
    void writeStaticData(char* staticData) const override;

    template <class Visitor>
    void fields(Visitor& v) {
        v(record::latLong(position), remarks, runways, elevation, ident, name, fuel, frequencies, closed, heliport,
          privateUse, glider, towered, military, trafficPatternAltitude, accuracy);
    }

    // Adds a frequency to the list of its service, creating it as needed.
    void addFrequency(const std::string& service, uint32_t megahertz, uint32_t kilohertz);
    // Runs the plausibility check on every runway.
    void checkRunways();
    // Identifier, name and every word of the name longer than one character.
    std::vector<std::string> recalculateInsertionNames() const;

protected:
    std::vector<std::string> getInsertionNames() const override { return recalculateInsertionNames(); }
};
