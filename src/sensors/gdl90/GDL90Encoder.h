#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// Builds GDL90 messages (message-ID byte first, not yet framed; see
// GDL90Frame.h) as transmitters send them. Used by the simulator and by
// anything that has to talk GDL90 to other equipment.

struct GDL90TrafficReport {
    bool alert = false;
    unsigned addressType = 0;  // 0 = ADS-B with ICAO address
    uint32_t address = 0;      // 24 bits
    bool positionValid = true;
    double latitude = 0;   // degrees
    double longitude = 0;  // degrees
    bool pressureAltitudeValid = true;
    double pressureAltitudeFeet = 0;
    bool airborne = true;
    bool extrapolated = false;
    int trackType = 1;  // 0 invalid, 1 true track, 2 magnetic heading, 3 true heading
    double track = 0;   // degrees
    unsigned nic = 10;
    unsigned nacp = 9;
    bool groundSpeedValid = true;
    double groundSpeedKnots = 0;
    bool verticalVelocityValid = true;
    double verticalVelocityFpm = 0;
    unsigned emitterCategory = 1;  // light aircraft
    std::string callSign;          // up to 8 characters, padded with spaces
    unsigned emergencyCode = 0;
};

std::vector<unsigned char> encodeHeartbeat(bool gpsPositionValid, uint32_t secondsSinceMidnight, bool utcOk,
                                           unsigned messageCounts = 0);
// Traffic report (ID 20), or ownship report (ID 10) when `ownship` is set.
std::vector<unsigned char> encodeTrafficReport(const GDL90TrafficReport& report, bool ownship);
// Ownship geometric altitude (ID 11); a negative figure of merit is sent as
// "not available".
std::vector<unsigned char> encodeGeoAltitude(double altitudeFeet, int verticalFigureOfMeritMetres,
                                             bool verticalWarning = false);
// ForeFlight AHRS (ID 0x65, sub-ID 1). NaN marks a value as not available.
// Roll right wing down and pitch nose up are positive.
std::vector<unsigned char> encodeForeFlightAHRS(double rollDegrees, double pitchDegrees, double headingDegrees,
                                                bool headingIsTrue, double indicatedAirspeedKnots,
                                                double trueAirspeedKnots);
// Stratux AHRS ("LE", sub-ID 1, version 1), the report that carries the yaw
// rate a turn coordinator needs. NaN marks a value as not available. Roll
// right wing down, pitch nose up and a yaw to the right are positive.
struct StratuxAHRSReport {
    double rollDegrees = NAN, pitchDegrees = NAN, headingDegrees = NAN, slipSkidDegrees = NAN;
    double yawRateDegreesPerSecond = NAN, loadFactor = NAN, indicatedAirspeedKnots = NAN;
    double pressureAltitudeFeet = NAN, verticalSpeedFeetPerMinute = NAN;
};
std::vector<unsigned char> encodeStratuxAHRS(const StratuxAHRSReport& report);
// ForeFlight ID (ID 0x65, sub-ID 0).
std::vector<unsigned char> encodeForeFlightId(uint64_t serialNumber, const std::string& name,
                                              const std::string& longName, uint32_t capabilities);
