#include "sensors/gdl90/GDL90Encoder.h"

#include <algorithm>
#include <cmath>

namespace {
const double SEMICIRCLE_LSB_PER_DEGREE = 8388608.0 / 180.0;  // 2^23 / 180

void putBe16(std::vector<unsigned char>& m, unsigned value) {
    m.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
    m.push_back(static_cast<unsigned char>(value & 0xFF));
}

void putBe24(std::vector<unsigned char>& m, uint32_t value) {
    m.push_back(static_cast<unsigned char>((value >> 16) & 0xFF));
    putBe16(m, value & 0xFFFF);
}

void putBe32(std::vector<unsigned char>& m, uint32_t value) {
    putBe16(m, value >> 16);
    putBe16(m, value & 0xFFFF);
}

long clampRound(double value, long low, long high) {
    return std::min(high, std::max(low, std::lround(value)));
}

// 24-bit two's complement semicircles; longitudes at +180 wrap to -180.
// Truncated toward zero like the worked example of the interface document.
uint32_t encodeAngle(double degrees, bool isLongitude) {
    if (isLongitude) {
        degrees = std::fmod(degrees + 180.0, 360.0);
        if (degrees < 0) degrees += 360.0;
        degrees -= 180.0;
    }
    const double semicircles = std::trunc(degrees * SEMICIRCLE_LSB_PER_DEGREE);
    const long raw = std::min(8388607L, std::max(-8388608L, static_cast<long>(semicircles)));
    return static_cast<uint32_t>(raw) & 0xFFFFFF;
}

// Signed 16-bit field with 0x7FFF as "not available".
unsigned signed16OrInvalid(double value, double scale) {
    if (std::isnan(value)) return 0x7FFF;
    return static_cast<unsigned>(clampRound(value * scale, -32767, 32766)) & 0xFFFF;
}

void putText(std::vector<unsigned char>& m, const std::string& text, size_t width, char pad) {
    for (size_t i = 0; i < width; ++i) m.push_back(static_cast<unsigned char>(i < text.size() ? text[i] : pad));
}
}  // namespace

std::vector<unsigned char> encodeHeartbeat(bool gpsPositionValid, uint32_t secondsSinceMidnight, bool utcOk,
                                           unsigned messageCounts) {
    std::vector<unsigned char> m;
    m.push_back(0x00);
    m.push_back(static_cast<unsigned char>((gpsPositionValid ? 0x80 : 0) | 0x01));  // UAT initialised
    m.push_back(static_cast<unsigned char>(((secondsSinceMidnight & 0x10000) ? 0x80 : 0) | (utcOk ? 0x01 : 0)));
    m.push_back(static_cast<unsigned char>(secondsSinceMidnight & 0xFF));
    m.push_back(static_cast<unsigned char>((secondsSinceMidnight >> 8) & 0xFF));
    m.push_back(static_cast<unsigned char>(messageCounts & 0xFF));
    m.push_back(static_cast<unsigned char>((messageCounts >> 8) & 0xFF));
    return m;
}

std::vector<unsigned char> encodeTrafficReport(const GDL90TrafficReport& r, bool ownship) {
    std::vector<unsigned char> m;
    m.reserve(28);
    m.push_back(ownship ? 10 : 20);
    m.push_back(static_cast<unsigned char>(((r.alert ? 1 : 0) << 4) | (r.addressType & 0x0F)));
    putBe24(m, r.address & 0xFFFFFF);
    if (r.positionValid) {
        putBe24(m, encodeAngle(r.latitude, false));
        putBe24(m, encodeAngle(r.longitude, true));
    } else {
        putBe24(m, 0);
        putBe24(m, 0);
    }
    const unsigned altitude =
        r.pressureAltitudeValid ? static_cast<unsigned>(clampRound((r.pressureAltitudeFeet + 1000.0) / 25.0, 0, 0xFFE))
                                : 0xFFF;
    const unsigned misc = (r.airborne ? 8 : 0) | (r.extrapolated ? 4 : 0) | (r.trackType & 3);
    m.push_back(static_cast<unsigned char>(altitude >> 4));
    m.push_back(static_cast<unsigned char>(((altitude & 0x0F) << 4) | misc));
    const unsigned nic = r.positionValid ? (r.nic & 0x0F) : 0;
    m.push_back(static_cast<unsigned char>((nic << 4) | (r.nacp & 0x0F)));
    const unsigned speed = r.groundSpeedValid ? static_cast<unsigned>(clampRound(r.groundSpeedKnots, 0, 0xFFE)) : 0xFFF;
    const unsigned vertical = r.verticalVelocityValid
                                  ? static_cast<unsigned>(clampRound(r.verticalVelocityFpm / 64.0, -510, 510)) & 0xFFF
                                  : 0x800;
    m.push_back(static_cast<unsigned char>(speed >> 4));
    m.push_back(static_cast<unsigned char>(((speed & 0x0F) << 4) | (vertical >> 8)));
    m.push_back(static_cast<unsigned char>(vertical & 0xFF));
    double track = std::fmod(r.track, 360.0);
    if (track < 0) track += 360.0;
    m.push_back(static_cast<unsigned char>(clampRound(track * 256.0 / 360.0, 0, 256) & 0xFF));
    m.push_back(static_cast<unsigned char>(r.emitterCategory));
    putText(m, r.callSign, 8, ' ');
    m.push_back(static_cast<unsigned char>((r.emergencyCode & 0x0F) << 4));
    return m;
}

std::vector<unsigned char> encodeGeoAltitude(double altitudeFeet, int verticalFigureOfMeritMetres,
                                             bool verticalWarning) {
    std::vector<unsigned char> m;
    m.push_back(11);
    putBe16(m, static_cast<unsigned>(clampRound(altitudeFeet / 5.0, -32768, 32767)) & 0xFFFF);
    unsigned metrics = verticalFigureOfMeritMetres < 0 ? 0x7FFF
                                                      : static_cast<unsigned>(std::min(verticalFigureOfMeritMetres, 0x7FFE));
    if (verticalWarning) metrics |= 0x8000;
    putBe16(m, metrics);
    return m;
}

std::vector<unsigned char> encodeForeFlightAHRS(double rollDegrees, double pitchDegrees, double headingDegrees,
                                                bool headingIsTrue, double indicatedAirspeedKnots,
                                                double trueAirspeedKnots) {
    std::vector<unsigned char> m;
    m.push_back(0x65);
    m.push_back(0x01);
    putBe16(m, signed16OrInvalid(rollDegrees, 10.0));
    putBe16(m, signed16OrInvalid(pitchDegrees, 10.0));
    if (std::isnan(headingDegrees)) {
        putBe16(m, 0xFFFF);
    } else {
        double heading = std::fmod(headingDegrees, 360.0);
        if (heading < 0) heading += 360.0;
        unsigned raw = static_cast<unsigned>(clampRound(heading * 10.0, 0, 3599));
        if (!headingIsTrue) raw |= 0x8000;
        putBe16(m, raw);
    }
    putBe16(m, std::isnan(indicatedAirspeedKnots) ? 0xFFFF
                                                  : static_cast<unsigned>(clampRound(indicatedAirspeedKnots, 0, 32767)));
    putBe16(m, std::isnan(trueAirspeedKnots) ? 0xFFFF
                                             : static_cast<unsigned>(clampRound(trueAirspeedKnots, 0, 32767)));
    return m;
}

std::vector<unsigned char> encodeStratuxAHRS(const StratuxAHRSReport& r) {
    std::vector<unsigned char> m = {0x4C, 0x45, 0x01, 0x01};
    putBe16(m, signed16OrInvalid(r.rollDegrees, 10.0));
    putBe16(m, signed16OrInvalid(r.pitchDegrees, 10.0));
    putBe16(m, signed16OrInvalid(r.headingDegrees, 10.0));
    putBe16(m, signed16OrInvalid(r.slipSkidDegrees, 100.0));
    putBe16(m, signed16OrInvalid(r.yawRateDegreesPerSecond, 10.0));
    putBe16(m, signed16OrInvalid(r.loadFactor, 10.0));
    putBe16(m, signed16OrInvalid(r.indicatedAirspeedKnots, 1.0));
    // Feet plus 5000, unsigned.
    putBe16(m, std::isnan(r.pressureAltitudeFeet)
                   ? 0xFFFF
                   : static_cast<unsigned>(clampRound(r.pressureAltitudeFeet + 5000.0, 0, 0xFFFE)));
    putBe16(m, signed16OrInvalid(r.verticalSpeedFeetPerMinute, 1.0));
    return m;
}

std::vector<unsigned char> encodeForeFlightId(uint64_t serialNumber, const std::string& name,
                                              const std::string& longName, uint32_t capabilities) {
    std::vector<unsigned char> m;
    m.push_back(0x65);
    m.push_back(0x00);
    m.push_back(1);  // version
    putBe32(m, static_cast<uint32_t>(serialNumber >> 32));
    putBe32(m, static_cast<uint32_t>(serialNumber & 0xFFFFFFFF));
    putText(m, name, 8, '\0');
    putText(m, longName, 16, '\0');
    putBe32(m, capabilities);
    return m;
}
