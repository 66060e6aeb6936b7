#pragma once
#include "sensors/gdl90/GDL90Message.h"

// Vendor extensions carried in GDL90 frames: Stratux (ID 0xCC and 'L''E'
// sub-ID 1), ForeFlight (ID 0x65) and Levil ('L''E' sub-IDs 2 and 7).

class StratuxHeartbeatMessage : public IGDL90Message {
public:
    Type getType() const override { return STRATUX_HEARTBEAT; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    bool gpsValid = false;   // bit 1
    bool ahrsValid = false;  // bit 0
    unsigned protocolVersion = 0;  // bits 2..7
};

class StratuxAHRSMessage : public IGDL90Message {
public:
    Type getType() const override { return STRATUX_AHRS; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    double roll = 0;  // degrees, right wing down positive
    bool rollValid = false;
    double pitch = 0;  // degrees, nose up positive
    bool pitchValid = false;
    double heading = 0;  // degrees true
    bool headingValid = false;
    double slipSkid = 0;  // degrees
    bool slipSkidValid = false;
    double yawRate = 0;  // degrees per second
    bool yawRateValid = false;
    double g = 0;  // load factor as acceleration, m/s²
    bool gValid = false;
    double indicatedAirspeed = 0;  // knots
    bool indicatedAirspeedValid = false;
    double pressureAltitude = 0;  // metres
    bool pressureAltitudeValid = false;
    double verticalSpeed = 0;  // metres per second
    bool verticalSpeedValid = false;
};

class FFIdMessage : public IGDL90Message {
public:
    Type getType() const override { return FFID; }
    void readFromRaw(const unsigned char* msg) override;
    bool isValidMsg() const override { return subId == 0; }
    void describe(GDL90FieldList& out) const override;

    unsigned subId = 0;
    unsigned version = 0;
    uint64_t serialNumber = 0;
    bool serialNumberValid = false;  // all ones means "not available"
    std::string deviceName;      // 8 bytes on the wire
    std::string deviceLongName;  // 16 bytes on the wire
    uint32_t capabilities = 0;
};

class FFAHRSMessage : public IGDL90Message {
public:
    Type getType() const override { return FFAHRS; }
    void readFromRaw(const unsigned char* msg) override;
    bool isValidMsg() const override { return subId == 1; }
    void describe(GDL90FieldList& out) const override;

    unsigned subId = 1;
    double roll = 0;  // degrees, right wing down positive
    bool rollValid = false;
    double pitch = 0;  // degrees, nose up positive
    bool pitchValid = false;
    double heading = 0;  // raw signed value / 10, degrees
    bool headingValid = false;
    bool headingIsTrue = false;  // false: magnetic
    // The heading in degrees: a magnetic heading arrives with bit 15 set,
    // which makes `heading` 3276.8° too small.
    double getHeadingDegrees() const { return headingIsTrue ? heading : heading + 3276.8; }
    double indicatedAirspeed = 0;  // knots
    bool indicatedAirspeedValid = false;
    double trueAirspeed = 0;  // knots
    bool trueAirspeedValid = false;
};

class LevilAoAMessage : public IGDL90Message {
public:
    Type getType() const override { return LEVIL_AOA; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    double angleOfAttack = 0;  // fraction of the critical angle
    bool angleOfAttackValid = false;
    int secondValue = 0;  // second byte minus 50
    bool secondValueValid = false;
    unsigned rawByte6 = 0;
    uint32_t rawWord7 = 0;
};

class LevilGPSStatus : public IGDL90Message {
public:
    Type getType() const override { return LEVIL_GPS_STATUS; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    unsigned fixType = 0;
    bool has3DFix = false;
    unsigned satellites = 0;
    double accuracy = 0;
    unsigned status = 0;
};
