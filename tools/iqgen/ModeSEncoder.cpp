#include "iqgen/ModeSEncoder.h"

#include <cmath>

#include "sdr/Cpr.h"
#include "sdr/ModeSCrc.h"

namespace modes_encode {
namespace {
class BitWriter {
public:
    explicit BitWriter(int bits) : bytes(size_t(bits / 8), 0) {}
    void put(uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i, ++position)
            if ((value >> i) & 1u) bytes[size_t(position / 8)] |= uint8_t(0x80 >> (position % 8));
    }
    // Fills the last 24 bits with the parity, XOR-ed with overlay.
    std::vector<uint8_t> finish(uint32_t overlay = 0) {
        const uint32_t parity = modesChecksum(bytes.data(), int(bytes.size() * 8)) ^ overlay;
        position = int(bytes.size() * 8) - 24;
        put(parity, 24);
        return bytes;
    }

private:
    std::vector<uint8_t> bytes;
    int position = 0;
};

BitWriter extendedSquitter(uint32_t address) {
    BitWriter w(112);
    w.put(17, 5);
    w.put(5, 3);
    w.put(address, 24);
    return w;
}

// 13-bit altitude code in 25 ft steps (M = 0, Q = 1), without the M bit when short.
uint32_t altitudeCode(int feet, bool withMetreBit) {
    const uint32_t n = uint32_t((feet + 1000) / 25);
    const uint32_t ac12 = ((n & 0x7F0) << 1) | 0x10 | (n & 0x0F);
    return withMetreBit ? (((ac12 & 0xFC0) << 1) | (ac12 & 0x3F)) : ac12;
}

double positiveMod(double a, double b) {
    const double r = std::fmod(a, b);
    return r < 0 ? r + b : r;
}
}  // namespace

void encodeCPR(double latitude, double longitude, bool odd, uint32_t& cprLat, uint32_t& cprLon) {
    const int i = odd ? 1 : 0;
    const double scale = 131072.0;
    const double dLat = 360.0 / (60 - i);
    const double yz = std::floor(scale * positiveMod(latitude, dLat) / dLat + 0.5);
    const double rlat = dLat * (yz / scale + std::floor(latitude / dLat));
    const int zones = cprNL(rlat) - i;
    const double dLon = 360.0 / (zones > 0 ? zones : 1);
    const double xz = std::floor(scale * positiveMod(longitude, dLon) / dLon + 0.5);
    cprLat = uint32_t(yz) & 0x1FFFF;
    cprLon = uint32_t(xz) & 0x1FFFF;
}

std::vector<uint8_t> identification(uint32_t address, const std::string& callsign) {
    static const std::string kCharacters = "?ABCDEFGHIJKLMNOPQRSTUVWXYZ????? ???????????????0123456789??????";
    BitWriter w = extendedSquitter(address);
    w.put(4, 5);
    w.put(0, 3);
    for (size_t k = 0; k < 8; ++k) {
        const char c = k < callsign.size() ? callsign[k] : ' ';
        const size_t index = kCharacters.find(c, 1);
        w.put(index == std::string::npos ? 32 : uint32_t(index), 6);
    }
    return w.finish();
}

std::vector<uint8_t> airbornePosition(uint32_t address, int altitudeFeet, double latitude, double longitude, bool odd) {
    uint32_t lat = 0, lon = 0;
    encodeCPR(latitude, longitude, odd, lat, lon);
    BitWriter w = extendedSquitter(address);
    w.put(11, 5);
    w.put(0, 3);  // surveillance status, single antenna
    w.put(altitudeCode(altitudeFeet, false), 12);
    w.put(0, 1);  // time not synchronised
    w.put(odd ? 1 : 0, 1);
    w.put(lat, 17);
    w.put(lon, 17);
    return w.finish();
}

std::vector<uint8_t> velocity(uint32_t address, double groundSpeedKnots, double trackDegrees, int verticalRateFpm) {
    const double east = groundSpeedKnots * std::sin(trackDegrees * M_PI / 180.0);
    const double north = groundSpeedKnots * std::cos(trackDegrees * M_PI / 180.0);
    BitWriter w = extendedSquitter(address);
    w.put(19, 5);
    w.put(1, 3);
    w.put(0, 1);  // intent change
    w.put(0, 1);  // IFR capability
    w.put(1, 3);  // navigation uncertainty
    w.put(east < 0 ? 1 : 0, 1);
    w.put(uint32_t(std::lround(std::fabs(east))) + 1, 10);
    w.put(north < 0 ? 1 : 0, 1);
    w.put(uint32_t(std::lround(std::fabs(north))) + 1, 10);
    w.put(0, 1);  // barometric vertical rate
    w.put(verticalRateFpm < 0 ? 1 : 0, 1);
    w.put(uint32_t(std::abs(verticalRateFpm) / 64) + 1, 9);
    w.put(0, 2);
    w.put(0, 8);  // geometric minus barometric altitude unknown
    return w.finish();
}

std::vector<uint8_t> allCallReply(uint32_t address, int capability) {
    BitWriter w(56);
    w.put(11, 5);
    w.put(uint32_t(capability), 3);
    w.put(address, 24);
    return w.finish();
}

std::vector<uint8_t> altitudeReply(uint32_t address, int altitudeFeet) {
    BitWriter w(56);
    w.put(4, 5);
    w.put(0, 3);  // flight status: airborne, no alert
    w.put(0, 5);  // downlink request
    w.put(0, 6);  // utility message
    w.put(altitudeCode(altitudeFeet, true), 13);
    return w.finish(address);
}

std::vector<uint8_t> identityReply(uint32_t address, unsigned squawk) {
    const unsigned a = squawk / 1000 % 10, b = squawk / 100 % 10, c = squawk / 10 % 10, d = squawk % 10;
    auto bit = [](unsigned digit, int k) { return (digit >> k) & 1u; };
    // C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4
    const uint32_t id = bit(c, 0) << 12 | bit(a, 0) << 11 | bit(c, 1) << 10 | bit(a, 1) << 9 | bit(c, 2) << 8 |
                        bit(a, 2) << 7 | bit(b, 0) << 5 | bit(d, 0) << 4 | bit(b, 1) << 3 | bit(d, 1) << 2 |
                        bit(b, 2) << 1 | bit(d, 2);
    BitWriter w(56);
    w.put(5, 5);
    w.put(0, 3);
    w.put(0, 5);
    w.put(0, 6);
    w.put(id, 13);
    return w.finish(address);
}

}  // namespace modes_encode
