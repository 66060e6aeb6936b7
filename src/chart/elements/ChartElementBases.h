#pragma once
#include "base/IniFile.h"
#include "chart/elements/IChartElement.h"

#include <string>
#include <vector>

class ChartRecordReader;
class ChartRecordWriter;

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
    // The point list as it stands in the binary records (a count, then
    // longitude and latitude of each point) and in the ini form ("posCount",
    // "Long[i]", "Lat[i]"). The ini reader keeps the points when the
    // section has no "posCount".
    void writePoints(ChartRecordWriter& writer) const;
    void readPoints(ChartRecordReader& reader);
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
    // booleans), in the ini form and in the static data (bits 0-2).
    void writeUsage(ChartRecordWriter& writer) const;
    void readUsage(ChartRecordReader& reader);
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
