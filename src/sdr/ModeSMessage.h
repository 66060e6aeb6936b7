#pragma once
#include <cstdint>
#include <string>

// One received Mode S frame and what its fields say. Values start unknown
// and become known only when the frame carries them.
struct ModesMessage {
    static constexpr int kMaxBytes = 14;

    uint8_t msg[kMaxBytes] = {};
    int bits = 0;
    int df = -1;            // downlink format
    uint32_t address = 0;   // plain (DF 11/17/18) or recovered from the parity
    bool crcOk = false;     // the CRC matched, possibly after repair
    int correctedBits = 0;  // how many bits the repair flipped
    bool addressFromParity = false;

    int capability = -1;  // DF 11/17 CA field
    int typeCode = -1;    // DF 17 ME type code
    int subType = -1;

    bool altitudeValid = false;
    int altitudeFeet = 0;

    std::string callsign;  // trailing spaces removed

    bool cprValid = false;
    bool cprOdd = false;
    uint32_t cprLat = 0, cprLon = 0;  // 17-bit raw values

    bool velocityValid = false;
    double groundSpeedKnots = 0, trackDegrees = 0;
    bool verticalRateValid = false;
    int verticalRateFpm = 0;

    bool squawkValid = false;
    unsigned squawk = 0;  // four octal digits written as a decimal number, e.g. 7700

    // Bits first..first+count-1 (0 = the first bit sent) as a number.
    uint32_t field(int first, int count) const;
};

// Frame length by downlink format: long for DF 16, 17, 19, 20, 21.
int modesMessageBits(int df);
// The downlink format in the first byte (DF 24 and up share the top two bits).
int modesDownlinkFormat(uint8_t firstByte);

// Checks the frame and decodes its fields. bytes holds at least
// modesMessageBits(...) / 8 bytes. Repairs single-bit errors in DF 11/17 when
// fixErrors is set, two-bit errors in DF 17 when aggressive is set as well.
// Surveillance replies get their address from the parity and are marked
// crcOk; whether that address is believable is the caller's question.
ModesMessage decodeModesMessage(const uint8_t* bytes, bool fixErrors, bool aggressive);

// The message as upper-case hex digits.
std::string modesHex(const ModesMessage& mm);
