#include "GDL90TestSupport.h"
#include "base/Units.h"

#include <gtest/gtest.h>

namespace {

TEST(GDL90Heartbeat, InterfaceDocumentExampleFieldsAndTimeStampBit16) {
    auto hb = decodeAs<HeartbeatGDL90Message>({0x00, 0x81, 0x41, 0xDB, 0xD0, 0x08, 0x02});
    ASSERT_TRUE(hb);
    EXPECT_EQ(hb->statusByte1, 0x81u);
    EXPECT_EQ(hb->statusByte2, 0x41u);
    EXPECT_TRUE(hb->isGPSPositionValid());
    EXPECT_TRUE(hb->isUTCOk());
    EXPECT_EQ(hb->timeStamp, 0xD0DBu);  // 53467 s = 14:51:07Z
    EXPECT_EQ(hb->messageCounts, 0x0208u);
    EXPECT_FALSE(hb->isTimeStampAvail());

    // Bit 16 of the time stamp comes from status byte 2.
    hb = decodeAs<HeartbeatGDL90Message>({0x00, 0x01, 0x80, 0x10, 0x27, 0x00, 0x00});
    ASSERT_TRUE(hb);
    EXPECT_EQ(hb->timeStamp, 65536u + 10000u);
    EXPECT_FALSE(hb->isGPSPositionValid());
    EXPECT_FALSE(hb->isUTCOk());
}

TEST(GDL90Traffic, InterfaceDocumentExampleFieldsAlsoAsOwnship) {
    auto t = decodeAs<TrafficGDL90Message>(ICD_TRAFFIC);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->getType(), IGDL90Message::TRAFFIC);
    EXPECT_FALSE(t->alert);
    EXPECT_EQ(t->addressType, 0u);
    EXPECT_EQ(t->address, 052642511u);
    EXPECT_TRUE(t->positionValid);
    // The example's values are truncated to the 2.1458e-5° resolution.
    EXPECT_NEAR(t->latitude, 44.90708, 2.15e-5);
    EXPECT_NEAR(t->longitude, -122.99488, 2.15e-5);
    EXPECT_TRUE(t->altitudeValid);
    EXPECT_NEAR(t->altitude, units::feetToMetres(5000), 1e-9);
    EXPECT_TRUE(t->airborne);
    EXPECT_FALSE(t->extrapolated);
    EXPECT_EQ(t->trackType, TrafficGDL90Message::TRUE_TRACK);
    EXPECT_EQ(t->nic, 10u);
    EXPECT_EQ(t->nacp, 9u);
    EXPECT_TRUE(t->groundSpeedValid);
    EXPECT_DOUBLE_EQ(t->groundSpeed, 123);
    EXPECT_TRUE(t->verticalVelocityValid);
    EXPECT_NEAR(t->verticalVelocity, 64 * units::kMetresPerSecondPerFootPerMinute, 1e-4);
    EXPECT_DOUBLE_EQ(t->track, 45);
    EXPECT_EQ(t->emitterCategory, 1u);
    EXPECT_EQ(t->callSign, "N825V");
    EXPECT_EQ(t->emergencyCode, 0u);

    Bytes m = ICD_TRAFFIC;  // ownship reports share the layout
    m[0] = 10;
    auto o = decodeAs<OwnShipGDL90Message>(m);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->getType(), IGDL90Message::OWNSHIP);
    EXPECT_EQ(o->callSign, "N825V");
}

TEST(GDL90Traffic, InvalidMarkersAndSignedFields) {
    Bytes m(28, 0);
    m[0] = 20;
    m[1] = 0x1F;  // alert, reserved address type 15
    // Latitude -45 (0xE00000), longitude 0, NIC 0: still a position.
    m[5] = 0xE0;
    m[11] = 0xFF;
    m[12] = 0xF2;  // altitude 0xFFF (invalid), magnetic heading
    m[14] = 0xFF;
    m[15] = 0xF8;  // speed 0xFFF (invalid), vertical 0x800 (invalid)
    m[16] = 0x00;
    m[17] = 0x80;  // south
    auto t = decodeAs<TrafficGDL90Message>(m);
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->alert);
    EXPECT_EQ(t->addressType, 6u);
    EXPECT_TRUE(t->positionValid);
    EXPECT_DOUBLE_EQ(t->latitude, -45.0);
    EXPECT_FALSE(t->altitudeValid);
    EXPECT_EQ(t->trackType, TrafficGDL90Message::MAGNETIC_HEADING);
    EXPECT_FALSE(t->groundSpeedValid || t->verticalVelocityValid);
    EXPECT_DOUBLE_EQ(t->track, 180);

    m[15] = 0xFF;
    m[16] = 0xFF;  // vertical 0xFFF: 64 ft/min down
    t = decodeAs<TrafficGDL90Message>(m);
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->verticalVelocityValid);
    EXPECT_NEAR(t->verticalVelocity, -64 * units::kMetresPerSecondPerFootPerMinute, 1e-9);
}

TEST(GDL90Traffic, ZeroLatitudeLongitudeAndNicMeanNoPosition) {
    Bytes m = ICD_TRAFFIC;
    for (int k = 5; k <= 10; ++k) m[k] = 0;
    m[13] = 0x09;  // NIC 0, NACp 9
    auto t = decodeAs<TrafficGDL90Message>(m);
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->positionValid);
    m[13] = 0x19;  // NIC 1: a position at 0/0
    t = decodeAs<TrafficGDL90Message>(m);
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->positionValid);
}

TEST(GDL90GeoAltitude, SignedAltitudeAndVerticalMetrics) {
    auto g = decodeAs<OwnShipGeoAltGDL90Message>({0x0B, 0xFF, 0x38, 0x80, 0x32});
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->altitude, units::feetToMetres(-1000), 1e-9);
    EXPECT_TRUE(g->verticalWarning);
    EXPECT_EQ(g->verticalFigureOfMerit, 50u);
    EXPECT_TRUE(g->verticalFigureOfMeritValid);

    g = decodeAs<OwnShipGeoAltGDL90Message>({0x0B, 0x00, 0xC8, 0x7F, 0xFF});
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->altitude, units::feetToMetres(1000), 1e-9);
    EXPECT_FALSE(g->verticalWarning);
    EXPECT_FALSE(g->verticalFigureOfMeritValid);
}

TEST(GDL90UATUplink, TimeOfReceptionAndPayloadCopied) {
    Bytes m = {0x07, 0x10, 0x20, 0x30};
    for (int i = 0; i < 432; ++i) m.push_back(static_cast<unsigned char>(i * 7));
    auto u = decodeAs<UATUplinkGDL90Message>(m);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->timeOfReception, 0x302010u);
    EXPECT_TRUE(u->timeOfReceptionValid);
    ASSERT_EQ(u->payload.size(), 432u);
    EXPECT_EQ(u->payload, Bytes(m.begin() + 4, m.end()));

    m[1] = m[2] = m[3] = 0xFF;
    u = decodeAs<UATUplinkGDL90Message>(m);
    ASSERT_TRUE(u);
    EXPECT_FALSE(u->timeOfReceptionValid);
}

// n counts both flags and the FCS, so message length = n - 4.
IGDL90Message::Type typeOfMessageWithLength(unsigned char id, size_t messageLength, Bytes prefix = {}) {
    Bytes m = prefix.empty() ? Bytes{id} : prefix;
    m.resize(messageLength, 0x01);
    auto messages = parseAll(makeGDL90Frame(m));
    return messages.size() == 1 ? messages[0]->getType() : IGDL90Message::TYPE_COUNT;
}

TEST(GDL90Dispatch, LengthLimitsOfTheDispatchTable) {
    using T = IGDL90Message;
    EXPECT_EQ(typeOfMessageWithLength(0, 4), T::UNKNOWN);  // n = 8
    EXPECT_EQ(typeOfMessageWithLength(0, 5), T::HEARTBEAT);
    EXPECT_EQ(typeOfMessageWithLength(20, 25), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(20, 26), T::TRAFFIC);
    EXPECT_EQ(typeOfMessageWithLength(10, 26), T::OWNSHIP);
    EXPECT_EQ(typeOfMessageWithLength(11, 2), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(11, 3), T::OWNSHIP_GEO_ALT);
    EXPECT_EQ(typeOfMessageWithLength(204, 1), T::STRATUX_HEARTBEAT);
    EXPECT_EQ(typeOfMessageWithLength(7, 431), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(7, 432), T::UAT_UPLINK);
    EXPECT_EQ(typeOfMessageWithLength(61, 34), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(61, 35), T::TALOS_PRESSURE);
    EXPECT_EQ(typeOfMessageWithLength(65, 19), T::TALOS_TEMPERATURE);
    EXPECT_EQ(typeOfMessageWithLength(66, 34), T::TALOS_GPS);
    EXPECT_EQ(typeOfMessageWithLength(62, 26), T::TALOS_GYRO);
    EXPECT_EQ(typeOfMessageWithLength(63, 26), T::TALOS_ACC);
    EXPECT_EQ(typeOfMessageWithLength(83, 45), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(83, 46), T::TALOS_AOA);
    EXPECT_EQ(typeOfMessageWithLength(71, 50), T::TALOS_ATTITUDE);
    EXPECT_EQ(typeOfMessageWithLength(72, 77), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(72, 78), T::TALOS_COMPASS);
    EXPECT_EQ(typeOfMessageWithLength(101, 12, {101, 1}), T::FFAHRS);
    EXPECT_EQ(typeOfMessageWithLength(101, 39, {101, 0}), T::FFID);
    EXPECT_EQ(typeOfMessageWithLength(101, 12, {101, 2}), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(76, 22, {76, 'E', 1, 1}), T::STRATUX_AHRS);
    EXPECT_EQ(typeOfMessageWithLength(76, 21, {76, 'E', 1, 1}), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(76, 22, {76, 'E', 1, 0}), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(76, 8, {76, 'E', 2, 0}), T::LEVIL_AOA);
    EXPECT_EQ(typeOfMessageWithLength(76, 7, {76, 'E', 2, 0}), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(76, 10, {76, 'E', 7, 5}), T::LEVIL_GPS_STATUS);
    EXPECT_EQ(typeOfMessageWithLength(76, 22, {76, 'F', 1, 1}), T::UNKNOWN);
    EXPECT_EQ(typeOfMessageWithLength(2, 3), T::UNKNOWN);
}

TEST(GDL90Dispatch, UnknownKeepsItsIdAndShortFramesDecodeFromZeros) {
    auto u = decodeAs<UnknownGDL90Message>({0x1E, 0x00, 0x00});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->id, 0x1E);
    // A one-byte Stratux heartbeat frame: fields past the end read as zero.
    auto s = decodeAs<StratuxHeartbeatMessage>({0xCC});
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->gpsValid);
    s = decodeAs<StratuxHeartbeatMessage>({0xCC, 0x07});
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->gpsValid && s->ahrsValid);
    EXPECT_EQ(s->protocolVersion, 1u);
}

}  // namespace
