#pragma once
#include "base/IniFile.h"
#include "base/RecordCodec.h"
#include "chart/elements/IChartElement.h"

#include <string>
#include <type_traits>
#include <vector>

// Base of the kinds that stand at one position (airports, navaids,
// waypoints, marks, obstructions, points of interest).
class APointChartElement : public IChartElement {
public:
    ChartPosition position;
    std::string remarks;

    ChartPosition getPosition() const override { return position; }
    std::wstring getRemarks() const override;
    int getAreaDefiningPointCount() const override { return 1; }
    ChartPosition getAreaDefiningPoint(int /*index*/) const override { return position; }
    int getTrieInsertionNameCount() const override { return static_cast<int>(getInsertionNames().size()); }
    std::string getTrieInsertionName(int index) const override;

protected:
    virtual std::vector<std::string> getInsertionNames() const = 0;
    // The position in the ini form: keys "Lat" and "Long"; a missing key
    // keeps its coordinate.
    void readPositionFromIni(const IniSection& section);
    void writePositionToIni(IniSection& section) const;
};

// Common parts of the kinds whose shape is a list of points: airspaces
// (closed polygons) and ground geometry (lines or areas).
class AShapeChartElement : public IChartElement {
public:
    std::vector<ChartPosition> points;

    ChartPosition getPosition() const override;
    int getAreaDefiningPointCount() const override { return static_cast<int>(points.size()); }
    ChartPosition getAreaDefiningPoint(int index) const override;

    // Computed from the points after reading; false with fewer than two points.
    bool hasBoundingBox() const { return boundingBoxValid; }
    ChartPosition getNorthWest() const { return northWest; }
    ChartPosition getSouthEast() const { return southEast; }
    // Area of the bounding box in m².
    double getBoundingBoxArea() const { return boundingBoxArea; }
    void updateBoundingBox();

protected:
    // The point list in the ini form ("posCount", "Long[i]", "Lat[i]"); the
    // reader keeps the points when the section has no "posCount". In the
    // binary records it is record::longLat(points).
    void writePointsToIni(IniSection& section) const;
    void readPointsFromIni(const IniSection& section);

    ChartPosition northWest, southEast;
    double boundingBoxArea = 0.0;
    bool boundingBoxValid = false;
};

// Common parts of the points airways run through: waypoints and navaids.
class AAirwayPointChartElement : public APointChartElement {
public:
    std::string ident;
    bool highAltUsage = false;
    bool lowAltUsage = false;
    bool usedByAirways = false;

    bool isLowAltitudeRelevant() const override { return lowAltUsage || !highAltUsage; }
    bool isHighAltitudeRelevant() const override { return highAltUsage; }

protected:
    // Same identifier at a duplicate position; the caller has checked that
    // other is of its own kind.
    bool equalsAirwayPoint(const AAirwayPointChartElement* other) const;
    // A point used by either duplicate is used by the merged one.
    void mergeUsage(const AAirwayPointChartElement* other);
    // The three usage flags as they stand in the binary records (three
    // booleans, a field of fields()), in the ini form and in the static data
    // (bits 0-2).
    auto usageFields() {
        return [this](auto& v) { v(highAltUsage, lowAltUsage, usedByAirways); };
    }
    void writeUsageToIni(IniSection& section) const;
    void readUsageFromIni(const IniSection& section);
    char getUsageBits() const;
};

// Common parts of NDBs and VORs.
class ANavaidChartElement : public AAirwayPointChartElement {
public:
    std::string name;
    float magneticVariation = 0.0f;  // degrees, east positive

    void writeStaticData(char* staticData) const override;

protected:
    std::vector<std::string> getInsertionNames() const override;
    // Duplicate test and merge of the shared fields; the caller has checked
    // that other is of its own kind.
    bool equalsNavaid(const ANavaidChartElement* other) const { return equalsAirwayPoint(other); }
    void mergeNavaid(const ANavaidChartElement* other);
    void setNavaidDefaults();
};

// Writes and reads the binary record of an element kind through its one
// field list, a public member of Element (see base/RecordCodec.h)
//     template <class Visitor> void fields(Visitor& v)
// that lists the record after the type code. Shapes compute their bounding
// box after reading.
template <class Element, class Base>
class RecordElement : public Base {
public:
    void write(std::ostream& out) const override {
        writeRecord(out, static_cast<uint32_t>(this->getType()), static_cast<const Element&>(*this));
    }
    bool readFromBuffer(const char* buffer, unsigned& position, unsigned size) override {
        if (position > size)
            return false;
        Element& element = static_cast<Element&>(*this);
        RecordReader reader(buffer + position, size - position);
        reader(element);
        position += static_cast<unsigned>(reader.consumed());
        if constexpr (std::is_base_of<AShapeChartElement, Element>::value)
            element.updateBoundingBox();
        return reader.ok();
    }
};
