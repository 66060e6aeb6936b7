#pragma once
#include "sensors/gdl90/GDL90Message.h"

#include <vector>

// The messages of the public GDL90 interface: heartbeat, ownship and traffic
// reports, ownship geometric altitude and UAT uplink data.

class HeartbeatGDL90Message : public IGDL90Message {
public:
    Type getType() const override { return HEARTBEAT; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    unsigned statusByte1 = 0;
    unsigned statusByte2 = 0;
    uint32_t timeStamp = 0;  // seconds since 0000Z (17 bits)
    unsigned messageCounts = 0;

    bool isGPSPositionValid() const { return statusByte1 & 0x80; }
    bool isUTCOk() const { return statusByte2 & 0x01; }
};

// Traffic report (ID 20); the ownship report (ID 10) shares its layout.
class TrafficGDL90Message : public IGDL90Message {
public:
    enum TrackType { TRACK_INVALID = 0, TRUE_TRACK = 1, MAGNETIC_HEADING = 2, TRUE_HEADING = 3 };

    Type getType() const override { return TRAFFIC; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    bool alert = false;
    unsigned addressType = 0;  // 0..6, reserved values folded into 6
    uint32_t address = 0;
    double latitude = 0;   // degrees
    double longitude = 0;  // degrees
    bool positionValid = false;
    double altitude = 0;  // pressure altitude, metres
    bool altitudeValid = false;
    int trackType = TRACK_INVALID;
    bool extrapolated = false;  // misc bit 2
    bool airborne = false;      // misc bit 3
    unsigned nic = 0;
    unsigned nacp = 0;
    double groundSpeed = 0;  // knots
    bool groundSpeedValid = false;
    double verticalVelocity = 0;  // metres per second
    bool verticalVelocityValid = false;
    double track = 0;  // degrees, meaning given by trackType
    unsigned emitterCategory = 0;
    std::string callSign;  // spaces removed
    unsigned emergencyCode = 0;
};

class OwnShipGDL90Message : public TrafficGDL90Message {
public:
    Type getType() const override { return OWNSHIP; }
};

class OwnShipGeoAltGDL90Message : public IGDL90Message {
public:
    Type getType() const override { return OWNSHIP_GEO_ALT; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    double altitude = 0;  // geometric altitude, metres
    bool verticalWarning = false;
    unsigned verticalFigureOfMerit = 0;  // metres
    bool verticalFigureOfMeritValid = false;
};

class UATUplinkGDL90Message : public IGDL90Message {
public:
    static constexpr int PAYLOAD_SIZE = 432;

    Type getType() const override { return UAT_UPLINK; }
    void readFromRaw(const unsigned char* msg) override;
    void describe(GDL90FieldList& out) const override;

    uint32_t timeOfReception = 0;  // units of 80 ns within the second
    bool timeOfReceptionValid = false;
    std::vector<unsigned char> payload;
};

// Any frame that matches no known layout; keeps only its message ID.
class UnknownGDL90Message : public IGDL90Message {
public:
    explicit UnknownGDL90Message(unsigned char id = 0) : id(id) {}
    Type getType() const override { return UNKNOWN; }
    void readFromRaw(const unsigned char* msg) override { id = msg[0]; }
    void describe(GDL90FieldList& out) const override { out.integer("messageId", id); }

    unsigned char id;
};
