#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sdr/Cpr.h"
#include "sdr/ModeSCrc.h"
#include "sdr/ModeSMessage.h"

namespace {
std::vector<uint8_t> fromHex(const std::string& hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(uint8_t(std::stoul(hex.substr(i, 2), nullptr, 16)));
    bytes.resize(14);
    return bytes;
}

// Published examples from the ADS-B literature.
const char kKlmIdentification[] = "8D4840D6202CC371C32CE0576098";
const char kEvenPosition[] = "8D40621D58C382D690C8AC2863A7";
const char kOddPosition[] = "8D40621D58C386435CC412692AD6";
const char kVelocity[] = "8D485020994409940838175B284F";
}  // namespace

TEST(ModeSDecode, PublishedExtendedSquittersDecode) {
    ModesMessage id = decodeModesMessage(fromHex(kKlmIdentification).data(), true, false);
    EXPECT_TRUE(id.crcOk);
    EXPECT_EQ(17, id.df);
    EXPECT_EQ(0x4840D6u, id.address);
    EXPECT_EQ("KLM1023", id.callsign);

    ModesMessage pos = decodeModesMessage(fromHex(kEvenPosition).data(), true, false);
    ASSERT_TRUE(pos.crcOk && pos.cprValid);
    EXPECT_FALSE(pos.cprOdd);
    EXPECT_EQ(38000, pos.altitudeFeet);
    EXPECT_EQ(93000u, pos.cprLat);
    EXPECT_EQ(51372u, pos.cprLon);

    ModesMessage vel = decodeModesMessage(fromHex(kVelocity).data(), true, false);
    ASSERT_TRUE(vel.velocityValid && vel.verticalRateValid);
    EXPECT_NEAR(159.20, vel.groundSpeedKnots, 0.01);
    EXPECT_NEAR(182.88, vel.trackDegrees, 0.01);
    EXPECT_EQ(-832, vel.verticalRateFpm);
}

TEST(ModeSDecode, SingleAndDoubleBitErrorsAreRepairedOnlyWhereAllowed) {
    const std::vector<uint8_t> clean = fromHex(kKlmIdentification);
    for (int bit : {5, 40, 111}) {
        std::vector<uint8_t> damaged = clean;
        damaged[size_t(bit / 8)] ^= uint8_t(0x80 >> (bit % 8));
        ModesMessage mm = decodeModesMessage(damaged.data(), true, false);
        EXPECT_TRUE(mm.crcOk) << bit;
        EXPECT_EQ(1, mm.correctedBits);
        EXPECT_EQ(0, std::memcmp(clean.data(), mm.msg, 14)) << bit;
        EXPECT_FALSE(decodeModesMessage(damaged.data(), false, false).crcOk);
    }
    std::vector<uint8_t> twice = clean;
    twice[3] ^= 0x10;
    twice[9] ^= 0x01;
    EXPECT_FALSE(decodeModesMessage(twice.data(), true, false).crcOk);
    ModesMessage repaired = decodeModesMessage(twice.data(), true, true);
    EXPECT_TRUE(repaired.crcOk);
    EXPECT_EQ(2, repaired.correctedBits);
    EXPECT_EQ("KLM1023", repaired.callsign);
}

TEST(ModeSDecode, LengthsAndOverlaidAddresses) {
    EXPECT_EQ(56, modesMessageBits(18));
    EXPECT_EQ(56, modesMessageBits(11));
    EXPECT_EQ(112, modesMessageBits(17));
    EXPECT_EQ(112, modesMessageBits(21));
    // A DF 18 frame is read as 56 bits: its parity is taken from byte 4..6.
    std::vector<uint8_t> df18 = fromHex(kKlmIdentification);
    df18[0] = 0x90;
    EXPECT_EQ(56, decodeModesMessage(df18.data(), false, false).bits);
}

TEST(Cpr, GlobalDecodeOfThePublishedPairAndTheNewerFrameDecides) {
    const ModesMessage even = decodeModesMessage(fromHex(kEvenPosition).data(), true, false);
    const ModesMessage odd = decodeModesMessage(fromHex(kOddPosition).data(), true, false);
    double lat = 0, lon = 0;
    ASSERT_TRUE(decodeCPR(even.cprLat, even.cprLon, odd.cprLat, odd.cprLon, false, lat, lon));
    EXPECT_NEAR(52.25720, lat, 1e-4);
    EXPECT_NEAR(3.91937, lon, 1e-4);
    ASSERT_TRUE(decodeCPR(even.cprLat, even.cprLon, odd.cprLat, odd.cprLon, true, lat, lon));
    EXPECT_NEAR(52.26578, lat, 1e-4);
    EXPECT_NEAR(3.93891, lon, 1e-4);
}

TEST(Cpr, LocalDecodeAndZoneCounts) {
    const ModesMessage even = decodeModesMessage(fromHex(kEvenPosition).data(), true, false);
    double lat = 0, lon = 0;
    decodeCPRRelative(52.258, 3.918, even.cprLat, even.cprLon, false, lat, lon);
    EXPECT_NEAR(52.25720, lat, 1e-4);
    EXPECT_NEAR(3.91937, lon, 1e-4);
    // The reference half a zone away still resolves to the same answer.
    decodeCPRRelative(50.0, 1.0, even.cprLat, even.cprLon, false, lat, lon);
    EXPECT_NEAR(52.25720, lat, 1e-4);
    EXPECT_EQ(59, cprNL(0.0));
    EXPECT_EQ(36, cprNL(52.2572));
    EXPECT_EQ(2, cprNL(87.0));
    EXPECT_EQ(1, cprNL(-88.0));
}
