#include "sensors/gdl90/GDL90StandardMessages.h"

#include "base/Units.h"

namespace {
const double DEGREES_PER_SEMICIRCLE_LSB = 180.0 / 8388608.0;  // 180 / 2^23
const double MPS_PER_64_FPM = 64.0 * units::kMetresPerSecondPerFootPerMinute;
const unsigned NOT_AVAILABLE_12BIT = 0xFFF;
}  // namespace

void HeartbeatGDL90Message::readFromRaw(const unsigned char* msg) {
    statusByte1 = msg[1];
    statusByte2 = msg[2];
    timeStamp = gdl90Le16(msg + 3) + ((statusByte2 & 0x80) ? 65536u : 0u);
    messageCounts = gdl90Le16(msg + 5);
}

void HeartbeatGDL90Message::describe(GDL90FieldList& out) const {
    out.integer("statusByte1", statusByte1);
    out.integer("statusByte2", statusByte2);
    out.flag("gpsPositionValid", statusByte1 & 0x80);
    out.flag("maintenanceRequired", statusByte1 & 0x40);
    out.flag("ident", statusByte1 & 0x20);
    out.flag("selfAssignedAddress", statusByte1 & 0x10);
    out.flag("gpsBatteryLow", statusByte1 & 0x08);
    out.flag("ratcs", statusByte1 & 0x04);
    out.flag("uatInitialized", statusByte1 & 0x01);
    out.flag("csaRequested", statusByte2 & 0x40);
    out.flag("csaNotAvailable", statusByte2 & 0x20);
    out.flag("utcOk", statusByte2 & 0x01);
    out.integer("timeStamp", timeStamp, isUTCOk());
    out.integer("messageCounts", messageCounts);
}

void TrafficGDL90Message::readFromRaw(const unsigned char* msg) {
    alert = (msg[1] >> 4) == 1;
    addressType = msg[1] & 0x0F;
    if (addressType > 6) addressType = 6;
    address = gdl90Be24(msg + 2);
    const int rawLatitude = gdl90SignedBe24(msg + 5);
    const int rawLongitude = gdl90SignedBe24(msg + 8);
    latitude = rawLatitude * DEGREES_PER_SEMICIRCLE_LSB;
    longitude = rawLongitude * DEGREES_PER_SEMICIRCLE_LSB;
    nic = msg[13] >> 4;
    nacp = msg[13] & 0x0F;
    positionValid = rawLatitude != 0 || rawLongitude != 0 || nic != 0;

    const unsigned rawAltitude = (unsigned(msg[11]) << 4) | (msg[12] >> 4);
    altitudeValid = rawAltitude < NOT_AVAILABLE_12BIT;
    altitude = (rawAltitude * 25.0 - 1000.0) * units::kMetresPerFoot;

    const unsigned misc = msg[12] & 0x0F;
    trackType = misc & 0x03;
    extrapolated = misc & 0x04;
    airborne = misc & 0x08;

    const unsigned rawSpeed = (unsigned(msg[14]) << 4) | (msg[15] >> 4);
    groundSpeedValid = rawSpeed < NOT_AVAILABLE_12BIT;
    groundSpeed = rawSpeed;

    const unsigned rawVertical = ((msg[15] & 0x0Fu) << 8) | msg[16];
    verticalVelocityValid = rawVertical != 0x800;
    const int signedVertical = (rawVertical & 0x800) ? int(rawVertical) - 0x1000 : int(rawVertical);
    verticalVelocity = signedVertical * MPS_PER_64_FPM;

    track = msg[17] * (360.0 / 256.0);
    emitterCategory = msg[18];
    callSign.clear();
    for (int i = 19; i < 27; ++i) {
        if (msg[i] != ' ') callSign.push_back(static_cast<char>(msg[i]));
    }
    emergencyCode = msg[27] >> 4;
}

void TrafficGDL90Message::describe(GDL90FieldList& out) const {
    out.flag("alert", alert);
    out.integer("addressType", addressType);
    out.integer("address", address);
    out.number("latitude", latitude, positionValid);
    out.number("longitude", longitude, positionValid);
    out.number("altitude", altitude, altitudeValid);
    out.integer("trackType", trackType);
    out.flag("extrapolated", extrapolated);
    out.flag("airborne", airborne);
    out.integer("nic", nic);
    out.integer("nacp", nacp);
    out.number("groundSpeed", groundSpeed, groundSpeedValid);
    out.number("verticalVelocity", verticalVelocity, verticalVelocityValid);
    out.number("track", track, trackType != TRACK_INVALID);
    out.integer("emitterCategory", emitterCategory);
    out.text("callSign", callSign);
    out.integer("emergencyCode", emergencyCode);
}

void OwnShipGeoAltGDL90Message::readFromRaw(const unsigned char* msg) {
    altitude = gdl90SignedBe16(msg + 1) * 5.0 * units::kMetresPerFoot;
    const unsigned metrics = gdl90Be16(msg + 3);
    verticalWarning = metrics & 0x8000;
    verticalFigureOfMerit = metrics & 0x7FFF;
    verticalFigureOfMeritValid = verticalFigureOfMerit != 0x7FFF;
}

void OwnShipGeoAltGDL90Message::describe(GDL90FieldList& out) const {
    out.number("altitude", altitude);
    out.flag("verticalWarning", verticalWarning);
    out.integer("verticalFigureOfMerit", verticalFigureOfMerit, verticalFigureOfMeritValid);
}

void UATUplinkGDL90Message::readFromRaw(const unsigned char* msg) {
    timeOfReception = gdl90Le24(msg + 1);
    timeOfReceptionValid = timeOfReception < 0xFFFFFF;
    payload.assign(msg + 4, msg + 4 + PAYLOAD_SIZE);
}

void UATUplinkGDL90Message::describe(GDL90FieldList& out) const {
    out.integer("timeOfReception", timeOfReception, timeOfReceptionValid);
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(payload.size() * 2);
    for (unsigned char b : payload) {
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 0x0F]);
    }
    out.text("payload", hex);
}
