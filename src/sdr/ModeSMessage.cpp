#include "sdr/ModeSMessage.h"

#include <cmath>
#include <cstring>

#include "sdr/ModeSCrc.h"

namespace {
// Clean DF 11 replies to a ground interrogator carry its 7-bit identifier in
// the low parity bits.
constexpr uint32_t kInterrogatorMask = 0x7F;
constexpr double kFeetPerMetre = 3.2808399;
const char kCallsignCharacters[] = "?ABCDEFGHIJKLMNOPQRSTUVWXYZ????? ???????????????0123456789??????";

// The 13-bit identity field as four octal digits: bits arrive interleaved as
// C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4.
unsigned decodeIdentity(uint32_t id13) {
    auto bit = [id13](int i) { return (id13 >> (12 - i)) & 1u; };
    const unsigned a = bit(1) | bit(3) << 1 | bit(5) << 2;
    const unsigned b = bit(7) | bit(9) << 1 | bit(11) << 2;
    const unsigned c = bit(0) | bit(2) << 1 | bit(4) << 2;
    const unsigned d = bit(8) | bit(10) << 1 | bit(12) << 2;
    return a * 1000 + b * 100 + c * 10 + d;
}

// A 13-bit altitude code (M bit at 6, Q bit at 4 counted from the left).
// Gray-coded (Q = 0) altitudes come from old transponders and are left unknown.
bool decodeAltitude13(uint32_t ac13, int& feet) {
    if (ac13 == 0) return false;
    const bool metric = ac13 & 0x40;
    if (metric) {
        const uint32_t metres = ((ac13 & 0x1F80) >> 1) | (ac13 & 0x3F);
        feet = int(metres * kFeetPerMetre);
        return true;
    }
    if (!(ac13 & 0x10)) return false;
    const uint32_t n = ((ac13 & 0x1F80) >> 2) | ((ac13 & 0x20) >> 1) | (ac13 & 0x0F);
    feet = int(n) * 25 - 1000;
    return true;
}

void decodeExtendedSquitter(ModesMessage& mm) {
    mm.typeCode = int(mm.field(32, 5));
    mm.subType = int(mm.field(37, 3));
    const int tc = mm.typeCode;
    if (tc >= 1 && tc <= 4) {
        std::string name;
        for (int i = 0; i < 8; ++i) name += kCallsignCharacters[mm.field(40 + 6 * i, 6)];
        name.erase(name.find_last_not_of(' ') + 1);
        mm.callsign = name;
    } else if (tc >= 9 && tc <= 18) {
        const uint32_t ac12 = mm.field(40, 12);
        const uint32_t ac13 = ((ac12 & 0xFC0) << 1) | (ac12 & 0x3F);
        mm.altitudeValid = decodeAltitude13(ac13, mm.altitudeFeet);
        mm.cprOdd = mm.field(53, 1);
        mm.cprLat = mm.field(54, 17);
        mm.cprLon = mm.field(71, 17);
        mm.cprValid = true;
    } else if (tc == 19 && (mm.subType == 1 || mm.subType == 2)) {
        const uint32_t ew = mm.field(46, 10), ns = mm.field(57, 10);
        if (ew != 0 && ns != 0) {
            const int scale = mm.subType == 2 ? 4 : 1;
            const double east = (mm.field(45, 1) ? -1.0 : 1.0) * (ew - 1) * scale;
            const double north = (mm.field(56, 1) ? -1.0 : 1.0) * (ns - 1) * scale;
            mm.groundSpeedKnots = std::hypot(east, north);
            double track = std::atan2(east, north) * 180.0 / M_PI;
            mm.trackDegrees = track < 0 ? track + 360.0 : track;
            mm.velocityValid = true;
        }
        const uint32_t vr = mm.field(69, 9);
        if (vr != 0) {
            mm.verticalRateFpm = (mm.field(68, 1) ? -1 : 1) * int(vr - 1) * 64;
            mm.verticalRateValid = true;
        }
    }
}

void decodeFields(ModesMessage& mm) {
    const int df = mm.df;
    if (df == 11 || df == 17 || df == 18) mm.capability = int(mm.field(5, 3));
    if (df == 0 || df == 4 || df == 16 || df == 20)
        mm.altitudeValid = decodeAltitude13(mm.field(19, 13), mm.altitudeFeet);
    if (df == 5 || df == 21) {
        mm.squawk = decodeIdentity(mm.field(19, 13));
        mm.squawkValid = true;
    }
    if (df == 17) decodeExtendedSquitter(mm);
}
}  // namespace

uint32_t ModesMessage::field(int first, int count) const {
    uint32_t value = 0;
    for (int i = first; i < first + count; ++i) value = (value << 1) | ((msg[i / 8] >> (7 - i % 8)) & 1u);
    return value;
}

int modesDownlinkFormat(uint8_t firstByte) {
    const int df = firstByte >> 3;
    return df >= 24 ? 24 : df;
}

int modesMessageBits(int df) {
    switch (df) {
    case 16:
    case 17:
    case 19:
    case 20:
    case 21:
        return kLongMessageBits;
    default:
        return kShortMessageBits;
    }
}

ModesMessage decodeModesMessage(const uint8_t* bytes, bool fixErrors, bool aggressive) {
    ModesMessage mm;
    mm.df = modesDownlinkFormat(bytes[0]);
    mm.bits = modesMessageBits(mm.df);
    std::memcpy(mm.msg, bytes, mm.bits / 8);
    const uint32_t syndrome = modesSyndrome(mm.msg, mm.bits);
    switch (mm.df) {
    case 11:
    case 17:
    case 18: {
        const uint32_t allowed = mm.df == 11 ? kInterrogatorMask : 0;
        mm.crcOk = (syndrome & ~allowed) == 0;
        if (!mm.crcOk && fixErrors && mm.df != 18) {
            if (fixSingleBitErrors(mm.msg, mm.bits) >= 0) {
                mm.crcOk = true;
                mm.correctedBits = 1;
            } else if (aggressive && mm.df == 17 && fixTwoBitsErrors(mm.msg, mm.bits)) {
                mm.crcOk = true;
                mm.correctedBits = 2;
            }
        }
        mm.address = mm.field(8, 24);
        break;
    }
    case 0:
    case 4:
    case 5:
    case 16:
    case 20:
    case 21:
    case 24:
        mm.address = syndrome;
        mm.addressFromParity = true;
        mm.crcOk = true;
        break;
    default:
        mm.crcOk = false;
    }
    if (mm.crcOk) decodeFields(mm);
    return mm;
}

std::string modesHex(const ModesMessage& mm) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (int i = 0; i < mm.bits / 8; ++i) {
        hex += kDigits[mm.msg[i] >> 4];
        hex += kDigits[mm.msg[i] & 15];
    }
    return hex;
}
