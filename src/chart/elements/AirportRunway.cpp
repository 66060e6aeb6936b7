#include "chart/elements/AirportRunway.h"

#include "base/Units.h"
#include "geo/Angles.h"
#include "chart/elements/ChartElementIni.h"
#include "geo/Geodesy.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double UNKNOWN_RUNWAY_LENGTH_M = 600.0;
constexpr double MIN_RUNWAY_LENGTH_M = 10.0;
constexpr double MAX_THRESHOLD_MISMATCH_M = 1000.0;

const char* const SURFACE_NAMES[Runway::SURFACE_COUNT] = {"SOLID", "GRASS", "WATER", "CRACKED", "UNKNOWN"};

std::string endKey(const char* key, int end) { return key + std::to_string(end); }

}  // namespace

const char* Runway::getSurfaceName(uint32_t value) {
    return value < SURFACE_COUNT ? SURFACE_NAMES[value] : SURFACE_NAMES[UNKNOWN_SURFACE];
}

uint32_t Runway::getSurfaceFromName(const std::string& name) {
    for (uint32_t i = 0; i < SURFACE_COUNT; ++i)
        if (name == SURFACE_NAMES[i])
            return i;
    return UNKNOWN_SURFACE;
}

void Runway::setFromIni(const IniSection& s, const std::string& prefix) {
    surface = getSurfaceFromName(getFromIniSection(s, prefix + "Type", getSurfaceName(surface)));
    length = iniGetInt(s, prefix + "Len", length);
    width = iniGetInt(s, prefix + "Width", width);
    direction = iniGetInt(s, prefix + "Dir", direction);
    lighting = static_cast<uint8_t>(iniGetInt(s, prefix + "Light", lighting));
    for (int end = 0; end < 2; ++end) {
        trafficPattern[end] = iniGetInt(s, prefix + endKey("TP", end), trafficPattern[end]);
        const std::string longKey = prefix + endKey("Long", end), latKey = prefix + endKey("Lat", end);
        thresholdValid[end] = s.count(longKey) && s.count(latKey);
        threshold[end] = ChartPosition(iniGetDouble(s, longKey, 0.0), iniGetDouble(s, latKey, 0.0));
        const std::string eleKey = prefix + endKey("Ele", end);
        elevationValid[end] = s.count(eleKey) > 0;
        elevation[end] = iniGetInt(s, eleKey, 0);
        const std::string slopeKey = prefix + endKey("Slope", end);
        slopeValid[end] = s.count(slopeKey) > 0;
        slope[end] = iniGetInt(s, slopeKey, 0);
        endName[end] = getFromIniSection(s, prefix + endKey("Name", end), endName[end]);
        const std::string appPrefix = prefix + endKey("App", end);
        const int count = std::max(0, iniGetInt(s, appPrefix + "Cnt", 0));
        approaches[end].assign(count, Approach());
        for (int i = 0; i < count; ++i) {
            const std::string key = appPrefix + "[" + std::to_string(i) + "]";
            approaches[end][i].name = getFromIniSection(s, key + ".Name", "");
            approaches[end][i].frequencyMHz = static_cast<uint32_t>(iniGetInt(s, key + ".MHZ", 0));
            approaches[end][i].frequencyKHz = static_cast<uint32_t>(iniGetInt(s, key + ".KHZ", 0));
        }
    }
    inaccurate = getFromIniSection(s, prefix + "Accuracy", inaccurate);
}

// Only valid values are written: a missing key is what marks a threshold,
// elevation or slope as unknown.
void Runway::writeToIni(IniSection& s, const std::string& prefix) const {
    s[prefix + "Type"] = getSurfaceName(surface);
    iniSetInt(s, prefix + "Len", length);
    iniSetInt(s, prefix + "Width", width);
    iniSetInt(s, prefix + "Dir", direction);
    iniSetInt(s, prefix + "Light", lighting);
    for (int end = 0; end < 2; ++end) {
        iniSetInt(s, prefix + endKey("TP", end), trafficPattern[end]);
        if (thresholdValid[end]) {
            iniSetDouble(s, prefix + endKey("Long", end), threshold[end].longitude);
            iniSetDouble(s, prefix + endKey("Lat", end), threshold[end].latitude);
        }
        if (elevationValid[end])
            iniSetInt(s, prefix + endKey("Ele", end), elevation[end]);
        if (slopeValid[end])
            iniSetInt(s, prefix + endKey("Slope", end), slope[end]);
        s[prefix + endKey("Name", end)] = endName[end];
        const std::string appPrefix = prefix + endKey("App", end);
        iniSetInt(s, appPrefix + "Cnt", static_cast<long long>(approaches[end].size()));
        for (size_t i = 0; i < approaches[end].size(); ++i) {
            const std::string key = appPrefix + "[" + std::to_string(i) + "]";
            s[key + ".Name"] = approaches[end][i].name;
            iniSetInt(s, key + ".MHZ", approaches[end][i].frequencyMHz);
            iniSetInt(s, key + ".KHZ", approaches[end][i].frequencyKHz);
        }
    }
    setToIniSection(s, prefix + "Accuracy", inaccurate);
}

bool Runway::checkPlausibility() {
    inaccurate = false;
    if (thresholdValid[0] && thresholdValid[1] && length > 0) {
        const double lengthMetres = units::feetToMetres(length);
        const double mismatch = std::fabs(calcDistance2(threshold[0], threshold[1]) - lengthMetres);
        inaccurate = mismatch >= lengthMetres / 2.0 || mismatch >= MAX_THRESHOLD_MISMATCH_M;
    }
    return inaccurate;
}

double Runway::getEndDirection(int end) const {
    const int other = 1 - end;
    if (thresholdValid[0] && thresholdValid[1])
        return calcBearing2(threshold[end], threshold[other]);
    return end == 0 ? Angle0to360(direction) : Angle0to360(direction + 180.0);
}

double Runway::getGeometryLength() const {
    const double metres = length > 0 ? units::feetToMetres(length) : UNKNOWN_RUNWAY_LENGTH_M;
    return std::max(metres, MIN_RUNWAY_LENGTH_M);
}

ChartPosition Runway::getThreshold(int end, const ChartPosition& airportReference) const {
    end = end == 0 ? 0 : 1;
    if (thresholdValid[end])
        return threshold[end];
    // Heading from this end towards the other one.
    const double heading = end == 0 ? direction : direction + 180.0;
    const int other = 1 - end;
    if (thresholdValid[other])
        return calcChartPositionAtBearing(threshold[other], Angle0to360(heading + 180.0), getGeometryLength());
    return calcChartPositionAtBearing(airportReference, Angle0to360(heading + 180.0), getGeometryLength() / 2.0);
}

int32_t Runway::getThresholdElevation(int end, int32_t airportElevation) const {
    end = end == 0 ? 0 : 1;
    return elevationValid[end] ? elevation[end] : airportElevation;
}
