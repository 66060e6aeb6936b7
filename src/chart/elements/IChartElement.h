#pragma once
#include "base/UnitConverter.h"
#include "geo/ChartPosition.h"

#include <ostream>
#include <string>
#include <vector>

class IniFile;

// One thing the map can draw from chart data: an airport, an airspace, a
// navaid and so on. Each kind has one binary record layout inside the chart
// files and one INI form for elements the pilot made himself.
class IChartElement {
public:
    // The type code is the first 32-bit word of every record and the index
    // of the kind's factory.
    enum Type {
        AIRSPACE = 0,
        AIRWAY = 1,
        OBSTRUCTION = 2,
        WAYPOINT = 3,
        MARK = 4,
        NDB = 5,
        VOR = 6,
        AIRPORT = 7,
        GROUNDGEOMETRY = 8,
        POI = 9,
        TYPE_COUNT = 10
    };

    // Accuracy class of the position data; kinds that know nothing better
    // report UNKNOWN_ACCURACY.
    enum { UNKNOWN_ACCURACY = 0 };

    virtual int getAccuracy() const { return UNKNOWN_ACCURACY; }
    // Takes over what a duplicate knows and this element does not.
    virtual void merge(const IChartElement* /*other*/) {}
    // Whether other describes the same real-world object.
    virtual bool equals(const IChartElement* /*other*/) const { return false; }
    // Writes the whole record, type code included.
    virtual void write(std::ostream& out) const = 0;
    // Reads the record body (the caller has consumed the type code) from
    // buffer[position .. size), advancing position. Returns false when the
    // record ends early or holds counts that cannot fit; the element is
    // then left in an unspecified but destructible state.
    virtual bool readFromBuffer(const char* buffer, unsigned& position, unsigned size) = 0;
    virtual void print() const;
    // The INI form of custom elements lives in the file's unnamed section.
    virtual void setFromIni(const IniFile* ini) = 0;
    virtual void writeToIni(IniFile* ini) const = 0;
    virtual void setDefaults() = 0;
    virtual ChartPosition getPosition() const = 0;
    virtual std::wstring getRemarks() const = 0;
    virtual Type getType() const = 0;
    // One line naming the element, for lists and debug output; values in it
    // stay in the chart data's own units.
    virtual std::wstring createDescriptionString() const = 0;
    // The text drawn beside the symbol; full selects the long form. Heights
    // and lengths are shown in the converter's units; a null converter
    // stands for the standard units (feet, nautical miles).
    virtual std::wstring getIndicatedLabel(bool full, const units::UnitConverter* converter) const = 0;
    // The names under which search finds the element.
    virtual int getTrieInsertionNameCount() const = 0;
    virtual std::string getTrieInsertionName(int index) const = 0;
    // The points that place the element into the leaves of the area tree.
    virtual int getAreaDefiningPointCount() const = 0;
    virtual ChartPosition getAreaDefiningPoint(int index) const = 0;
    virtual bool isLowAltitudeRelevant() const { return true; }
    virtual bool isHighAltitudeRelevant() const { return false; }
    virtual std::vector<std::wstring> getComFrequencies() const { return {}; }
    virtual std::vector<std::wstring> getNavFrequencies() const { return {}; }
    // The description page in the program's markup, values in the
    // converter's units as for the label; style names the markup's style
    // sheet.
    virtual std::wstring createAML(const units::UnitConverter* converter, const std::string& style) const = 0;
    virtual ~IChartElement() = default;
    // Fills the 3-byte summary that the area tree keeps per leaf.
    virtual void writeStaticData(char* staticData) const = 0;
};

// Size of the summary written by writeStaticData.
constexpr unsigned CHART_ELEMENT_STATIC_DATA_SIZE = 3;
