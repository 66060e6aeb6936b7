#include "GDL90TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(GDL90Heartbeat, InterfaceDocumentExampleFieldsAndTimeStampBit16) {
    auto hb = decodeAs<HeartbeatGDL90Message>({0x00, 0x81, 0x41, 0xDB, 0xD0, 0x08, 0x02});
    EXPECT_EQ(std::make_pair(hb->statusByte1, hb->statusByte2), std::make_pair(0x81u, 0x41u));
    EXPECT_TRUE(hb->isGPSPositionValid() && hb->isUTCOk());
    EXPECT_EQ(hb->timeStamp, 0xD0DBu);  // 53467 s = 14:51:07Z
    EXPECT_EQ(hb->messageCounts, 0x0208u);
    // Bit 16 of the time stamp comes from status byte 2.
    hb = decodeAs<HeartbeatGDL90Message>({0x00, 0x01, 0x80, 0x10, 0x27, 0x00, 0x00});
    EXPECT_EQ(hb->timeStamp, 65536u + 10000u);
    EXPECT_FALSE(hb->isGPSPositionValid() || hb->isUTCOk());
}

TEST(GDL90Traffic, InterfaceDocumentExampleFieldsAlsoAsOwnship) {
    // Octal address 52642511; 5000 ft; 64 ft/min; positions to the 2.1458e-5° resolution.
    const std::string expected =
        "alert=0 addressType=0 address=11224393 latitude=44.9071 longitude=-122.9949 altitude=1524.0000 "
        "trackType=1 extrapolated=0 airborne=1 nic=10 nacp=9 groundSpeed=123.0000 verticalVelocity=0.3251 "
        "track=45.0000 emitterCategory=1 callSign=N825V emergencyCode=0";
    EXPECT_EQ(fieldsOf(*decodeAs<TrafficGDL90Message>(ICD_TRAFFIC)), expected);
    Bytes m = ICD_TRAFFIC;  // ownship reports share the layout
    m[0] = 10;
    EXPECT_EQ(fieldsOf(*decodeAs<OwnShipGDL90Message>(m)), expected);
}

TEST(GDL90Traffic, InvalidMarkersSignedFieldsAndNoPosition) {
    Bytes m(28, 0);
    std::fill(m.begin() + 19, m.begin() + 27, ' ');  // no call sign
    m[0] = 20;
    m[1] = 0x1F;   // alert, reserved address type 15
    m[5] = 0xE0;   // latitude -45 (0xE00000), longitude 0, NIC 0: still a position
    m[11] = 0xFF;  // altitude 0xFFF (invalid)
    m[12] = 0xF2;  // magnetic heading
    m[14] = 0xFF;  // speed 0xFFF (invalid)
    m[15] = 0xF8;  // vertical 0x800 (invalid)
    m[17] = 0x80;  // south
    auto t = decodeAs<TrafficGDL90Message>(m);
    EXPECT_EQ(fieldsOf(*t),
              "alert=1 addressType=6 address=0 latitude=-45.0000 longitude=0.0000 altitude=- trackType=2 "
              "extrapolated=0 airborne=0 nic=0 nacp=0 groundSpeed=- verticalVelocity=- track=180.0000 "
              "emitterCategory=0 callSign= emergencyCode=0");
    m = ICD_TRAFFIC;
    for (int k = 5; k <= 10; ++k) m[k] = 0;
    m[13] = 0x09;  // NIC 0 at 0/0: no position
    EXPECT_FALSE(decodeAs<TrafficGDL90Message>(m)->positionValid);
}

TEST(GDL90GeoAltitudeAndUplink, SignedAltitudeMetricsAndReceptionTime) {
    auto g = decodeAs<OwnShipGeoAltGDL90Message>({0x0B, 0xFF, 0x38, 0x80, 0x32});
    EXPECT_EQ(fieldsOf(*g), "altitude=-304.8000 verticalWarning=1 verticalFigureOfMerit=50");
    g = decodeAs<OwnShipGeoAltGDL90Message>({0x0B, 0x00, 0xC8, 0x7F, 0xFF});
    EXPECT_EQ(fieldsOf(*g), "altitude=304.8000 verticalWarning=0 verticalFigureOfMerit=-");
    Bytes m = {0x07, 0x10, 0x20, 0x30};
    for (int i = 0; i < 432; ++i) m.push_back(static_cast<unsigned char>(i * 7));
    auto u = decodeAs<UATUplinkGDL90Message>(m);
    EXPECT_EQ(u->timeOfReception, 0x302010u);
    EXPECT_EQ(u->payload, Bytes(m.begin() + 4, m.end()));
}

TEST(GDL90Dispatch, LengthLimitsOfTheDispatchTable) {
    using T = IGDL90Message;
    // The message length is the frame's n less both flags and the FCS.
    const struct {
        Bytes start;
        size_t length;
        T::Type type;
    } cases[] = {
        {{0}, 4, T::UNKNOWN},          {{0}, 5, T::HEARTBEAT},           {{20}, 25, T::UNKNOWN},
        {{20}, 26, T::TRAFFIC},        {{10}, 26, T::OWNSHIP},           {{11}, 3, T::OWNSHIP_GEO_ALT},
        {{204}, 1, T::STRATUX_HEARTBEAT}, {{7}, 432, T::UAT_UPLINK},    {{61}, 34, T::UNKNOWN},
        {{61}, 35, T::TALOS_PRESSURE}, {{65}, 19, T::TALOS_TEMPERATURE}, {{66}, 34, T::TALOS_GPS},
        {{62}, 26, T::TALOS_GYRO},     {{63}, 26, T::TALOS_ACC},         {{83}, 46, T::TALOS_AOA},
        {{71}, 50, T::TALOS_ATTITUDE}, {{72}, 78, T::TALOS_COMPASS},     {{101, 1}, 12, T::FFAHRS},
        {{101, 0}, 39, T::FFID},       {{101, 2}, 12, T::UNKNOWN},       {{76, 'E', 1, 1}, 22, T::STRATUX_AHRS},
        {{76, 'E', 1, 0}, 22, T::UNKNOWN}, {{76, 'E', 2, 0}, 8, T::LEVIL_AOA}, {{76, 'E', 7, 5}, 10, T::LEVIL_GPS_STATUS},
        {{76, 'F', 1, 1}, 22, T::UNKNOWN}, {{2}, 3, T::UNKNOWN},
    };
    for (const auto& c : cases) {
        Bytes m = c.start;
        m.resize(c.length, 0x01);
        auto messages = parseAll(makeGDL90Frame(m));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0]->getType(), c.type) << int(c.start[0]) << " of length " << c.length;
    }
}

}  // namespace
