#include "sensors/gdl90/GDL90VendorMessages.h"

#include "base/Logger.h"
#include "base/Units.h"

namespace {
const int INVALID_SIGNED_16 = 0x7FFF;
const unsigned INVALID_UNSIGNED_16 = 0xFFFF;

// Reads a signed 16-bit field scaled by `factor`; 0x7FFF means "invalid".
void readScaled(const unsigned char* p, double factor, double& value, bool& valid) {
    const int raw = gdl90SignedBe16(p);
    valid = raw != INVALID_SIGNED_16;
    value = raw * factor;
}

std::string readText(const unsigned char* p, int length) {
    std::string text;
    for (int i = 0; i < length && p[i] != 0; ++i) text.push_back(static_cast<char>(p[i]));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}
}  // namespace

void StratuxHeartbeatMessage::readFromRaw(const unsigned char* msg) {
    gpsValid = msg[1] & 0x02;
    ahrsValid = msg[1] & 0x01;
    protocolVersion = msg[1] >> 2;
}

void StratuxHeartbeatMessage::describe(GDL90FieldList& out) const {
    out.flag("gpsValid", gpsValid);
    out.flag("ahrsValid", ahrsValid);
    out.integer("protocolVersion", protocolVersion);
}

void StratuxAHRSMessage::readFromRaw(const unsigned char* msg) {
    readScaled(msg + 4, 0.1, roll, rollValid);
    readScaled(msg + 6, 0.1, pitch, pitchValid);
    readScaled(msg + 8, 0.1, heading, headingValid);
    readScaled(msg + 10, 0.01, slipSkid, slipSkidValid);
    readScaled(msg + 12, 0.1, yawRate, yawRateValid);
    readScaled(msg + 14, 0.981, g, gValid);
    readScaled(msg + 16, 1.0, indicatedAirspeed, indicatedAirspeedValid);
    const unsigned rawAltitude = gdl90Be16(msg + 18);
    pressureAltitudeValid = rawAltitude != INVALID_UNSIGNED_16;
    pressureAltitude = rawAltitude * units::kMetresPerFoot - 1524.1524;  // sent as feet + 5000
    readScaled(msg + 20, units::kMetresPerSecondPerFootPerMinute, verticalSpeed, verticalSpeedValid);
}

void StratuxAHRSMessage::describe(GDL90FieldList& out) const {
    out.number("roll", roll, rollValid);
    out.number("pitch", pitch, pitchValid);
    out.number("heading", heading, headingValid);
    out.number("slipSkid", slipSkid, slipSkidValid);
    out.number("yawRate", yawRate, yawRateValid);
    out.number("g", g, gValid);
    out.number("indicatedAirspeed", indicatedAirspeed, indicatedAirspeedValid);
    out.number("pressureAltitude", pressureAltitude, pressureAltitudeValid);
    out.number("verticalSpeed", verticalSpeed, verticalSpeedValid);
}

void FFIdMessage::readFromRaw(const unsigned char* msg) {
    subId = msg[1];
    if (subId != 0) {
        logMessage("Error: Invalid FF ID Sub-Message D: " + std::to_string(subId));
        return;
    }
    version = msg[2];
    serialNumber = (uint64_t(gdl90Be32(msg + 3)) << 32) | gdl90Be32(msg + 7);
    serialNumberValid = serialNumber != ~uint64_t(0);
    deviceName = readText(msg + 11, 8);
    deviceLongName = readText(msg + 19, 16);
    capabilities = gdl90Be32(msg + 35);
}

void FFIdMessage::describe(GDL90FieldList& out) const {
    out.integer("subId", subId);
    out.integer("version", version);
    out.integer("serialNumber", static_cast<long long>(serialNumber), serialNumberValid);
    out.text("deviceName", deviceName);
    out.text("deviceLongName", deviceLongName);
    out.integer("capabilities", capabilities);
}

void FFAHRSMessage::readFromRaw(const unsigned char* msg) {
    subId = msg[1];
    if (subId != 1) {
        logMessage("Error: Invalid FF AHRS Sub-Message D: " + std::to_string(subId));
        return;
    }
    readScaled(msg + 2, 0.1, roll, rollValid);
    readScaled(msg + 4, 0.1, pitch, pitchValid);
    const int rawHeading = gdl90SignedBe16(msg + 6);
    headingValid = gdl90Be16(msg + 6) != INVALID_UNSIGNED_16;
    headingIsTrue = rawHeading >= 0;
    heading = rawHeading / 10.0;
    indicatedAirspeedValid = gdl90Be16(msg + 8) != INVALID_UNSIGNED_16;
    indicatedAirspeed = gdl90SignedBe16(msg + 8);
    trueAirspeedValid = gdl90Be16(msg + 10) != INVALID_UNSIGNED_16;
    trueAirspeed = gdl90SignedBe16(msg + 10);
}

void FFAHRSMessage::describe(GDL90FieldList& out) const {
    out.integer("subId", subId);
    out.number("roll", roll, rollValid);
    out.number("pitch", pitch, pitchValid);
    out.number("heading", heading, headingValid);
    out.flag("headingIsTrue", headingIsTrue);
    out.number("indicatedAirspeed", indicatedAirspeed, indicatedAirspeedValid);
    out.number("trueAirspeed", trueAirspeed, trueAirspeedValid);
}

void LevilAoAMessage::readFromRaw(const unsigned char* msg) {
    angleOfAttackValid = msg[4] < 255;
    angleOfAttack = msg[4] * 0.01;
    secondValueValid = msg[5] < 255;
    secondValue = int(msg[5]) - 50;
    rawByte6 = msg[6];
    rawWord7 = gdl90Be32(msg + 7);
}

void LevilAoAMessage::describe(GDL90FieldList& out) const {
    out.number("angleOfAttack", angleOfAttack, angleOfAttackValid);
    out.integer("secondValue", secondValue, secondValueValid);
    out.integer("rawByte6", rawByte6);
    out.integer("rawWord7", rawWord7);
}

void LevilGPSStatus::readFromRaw(const unsigned char* msg) {
    fixType = msg[4];
    has3DFix = fixType == 3;
    satellites = msg[5];
    accuracy = gdl90Be16(msg + 6) * 0.1;
    status = msg[8];
}

void LevilGPSStatus::describe(GDL90FieldList& out) const {
    out.integer("fixType", fixType);
    out.flag("has3DFix", has3DFix);
    out.integer("satellites", satellites);
    out.number("accuracy", accuracy);
    out.integer("status", status);
}
