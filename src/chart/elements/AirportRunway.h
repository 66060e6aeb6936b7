#pragma once
#include "base/IniFile.h"
#include "base/RecordCodec.h"
#include "geo/ChartPosition.h"

#include <cstdint>
#include <string>
#include <vector>

// An instrument approach to one runway end, with its navigation frequency.
struct Approach {
    std::string name;
    uint32_t frequencyMHz = 0;
    uint32_t frequencyKHz = 0;

    template <class Visitor>
    void fields(Visitor& v) { v(name, frequencyMHz, frequencyKHz); }
};

// One runway of an airport; end 0 is the end whose true heading is
// direction, end 1 the reciprocal end.
class Runway {
public:
    enum Surface { SOLID = 0, GRASS = 1, WATER = 2, CRACKED = 3, UNKNOWN_SURFACE = 4, SURFACE_COUNT = 5 };
    enum TrafficPattern { LEFT_PATTERN = 0, RIGHT_PATTERN = 1 };

    uint32_t surface = UNKNOWN_SURFACE;
    int32_t length = 0;     // ft, 0 when unknown
    int32_t width = 0;      // ft
    int32_t direction = 0;  // degrees true of end 0
    int32_t trafficPattern[2] = {LEFT_PATTERN, LEFT_PATTERN};
    uint8_t lighting = 0;
    ChartPosition threshold[2];
    bool thresholdValid[2] = {false, false};
    int32_t elevation[2] = {0, 0};  // ft
    bool elevationValid[2] = {false, false};
    int32_t slope[2] = {0, 0};
    bool slopeValid[2] = {false, false};
    std::string endName[2];
    std::vector<Approach> approaches[2];
    bool inaccurate = false;

    // The record inside an airport record; thresholds longitude first.
    template <class Visitor>
    void fields(Visitor& v) {
        v(surface, length, width, direction, trafficPattern, lighting);
        for (int end = 0; end < 2; ++end)
            v(record::longLat(threshold[end]), thresholdValid[end]);
        for (int end = 0; end < 2; ++end)
            v(elevation[end], elevationValid[end]);
        for (int end = 0; end < 2; ++end)
            v(slope[end], slopeValid[end]);
        v(endName, approaches, inaccurate);
    }
    // Keys are the runway's prefix (e.g. "Run[0].") followed by the field's key.
    void setFromIni(const IniSection& section, const std::string& prefix);
    void writeToIni(IniSection& section, const std::string& prefix) const;

    // Marks the runway inaccurate when its two thresholds lie much closer
    // or farther apart than its length says; returns the flag.
    bool checkPlausibility();
    // True heading of landing on the given end.
    double getEndDirection(int end) const;
    // The threshold of an end; when the data lack it, derived from the
    // other threshold or from the airport reference point along the runway.
    ChartPosition getThreshold(int end, const ChartPosition& airportReference) const;
    int32_t getThresholdElevation(int end, int32_t airportElevation) const;
    // Length in metres used for derived geometry: 600 m when unknown, at least 10 m.
    double getGeometryLength() const;

    static const char* getSurfaceName(uint32_t surface);
    static uint32_t getSurfaceFromName(const std::string& name);
};
