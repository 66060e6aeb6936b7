#include "GDL90TestSupport.h"
#include "base/Units.h"

#include "base/Logger.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GDL90Stratux, AHRSFieldsScalesAndInvalidMarkers) {
    Bytes m = {0x4C, 0x45, 0x01, 0x01};
    appendBe16(m, static_cast<uint16_t>(-123));  // roll -12.3
    appendBe16(m, 45);                           // pitch 4.5
    appendBe16(m, 0x7FFF);                       // heading invalid
    appendBe16(m, 250);                          // slip 2.50
    appendBe16(m, 30);                           // yaw rate 3.0 °/s
    appendBe16(m, 10);                           // 1.0 G
    appendBe16(m, 95);                           // 95 kt
    appendBe16(m, 8500);                         // 3500 ft
    appendBe16(m, static_cast<uint16_t>(-500));  // -500 ft/min
    auto a = decodeAs<StratuxAHRSMessage>(m);
    ASSERT_TRUE(a);
    EXPECT_NEAR(a->roll, -12.3, 1e-9);
    EXPECT_TRUE(a->rollValid);
    EXPECT_NEAR(a->pitch, 4.5, 1e-9);
    EXPECT_FALSE(a->headingValid);
    EXPECT_NEAR(a->slipSkid, 2.5, 1e-9);
    EXPECT_NEAR(a->yawRate, 3.0, 1e-9);
    EXPECT_NEAR(a->g, 9.81, 1e-9);
    EXPECT_DOUBLE_EQ(a->indicatedAirspeed, 95);
    EXPECT_TRUE(a->pressureAltitudeValid);
    EXPECT_NEAR(a->pressureAltitude, units::feetToMetres(8500 - 5000.5), 1e-9);  // ~3500 ft
    EXPECT_NEAR(a->verticalSpeed, -500 * units::kMetresPerSecondPerFootPerMinute, 1e-9);

    m[18] = m[19] = 0xFF;
    a = decodeAs<StratuxAHRSMessage>(m);
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->pressureAltitudeValid);
}

TEST(GDL90ForeFlight, AHRSTrueAndMagneticHeading) {
    Bytes m = {0x65, 0x01};
    appendBe16(m, 150);     // roll 15.0
    appendBe16(m, static_cast<uint16_t>(-20));  // pitch -2.0
    appendBe16(m, 2705);    // true heading 270.5
    appendBe16(m, 110);     // IAS
    appendBe16(m, 0xFFFF);  // TAS invalid
    auto a = decodeAs<FFAHRSMessage>(m);
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->isValidMsg());
    EXPECT_NEAR(a->roll, 15.0, 1e-9);
    EXPECT_NEAR(a->pitch, -2.0, 1e-9);
    EXPECT_TRUE(a->headingValid);
    EXPECT_TRUE(a->headingIsTrue);
    EXPECT_NEAR(a->heading, 270.5, 1e-9);
    EXPECT_TRUE(a->indicatedAirspeedValid);
    EXPECT_DOUBLE_EQ(a->indicatedAirspeed, 110);
    EXPECT_FALSE(a->trueAirspeedValid);

    m[6] = 0xFF;
    m[7] = 0xFF;
    a = decodeAs<FFAHRSMessage>(m);
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->headingValid);
    m[6] = 0x80;
    m[7] = 0x10;  // negative raw value: magnetic
    m[2] = 0x7F;
    m[3] = 0xFF;  // roll invalid
    a = decodeAs<FFAHRSMessage>(m);
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->headingValid);
    EXPECT_FALSE(a->headingIsTrue);
    EXPECT_FALSE(a->rollValid);
}

TEST(GDL90ForeFlight, WrongSubIdIsLoggedAndInvalid) {
    Logger log(testing::TempDir());
    Logger* previous = logger;
    logger = &log;
    testing::internal::CaptureStdout();
    FFAHRSMessage ahrs;
    const unsigned char raw[12] = {0x65, 0x03};
    ahrs.readFromRaw(raw);
    FFIdMessage id;
    id.readFromRaw(raw);
    const std::string out = testing::internal::GetCapturedStdout();
    logger = previous;
    EXPECT_FALSE(ahrs.isValidMsg());
    EXPECT_FALSE(id.isValidMsg());
    EXPECT_NE(out.find("Error: Invalid FF AHRS Sub-Message D: 3"), std::string::npos) << out;
    EXPECT_NE(out.find("Error: Invalid FF ID Sub-Message D: 3"), std::string::npos) << out;
}

TEST(GDL90ForeFlight, IdFields) {
    Bytes m = {0x65, 0x00, 0x01, 0, 0, 0, 0, 0, 0, 0x12, 0x34};
    const char* name = "Box\0\0\0\0\0";
    m.insert(m.end(), name, name + 8);
    const char* longName = "Box Receiver 2  ";
    m.insert(m.end(), longName, longName + 16);
    m.insert(m.end(), {0, 0, 0, 1});
    auto id = decodeAs<FFIdMessage>(m);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->version, 1u);
    EXPECT_EQ(id->serialNumber, 0x1234u);
    EXPECT_TRUE(id->serialNumberValid);
    EXPECT_EQ(id->deviceName, "Box");
    EXPECT_EQ(id->deviceLongName, "Box Receiver 2");
    EXPECT_EQ(id->capabilities, 1u);
}

TEST(GDL90Levil, AngleOfAttackBytes) {
    auto a = decodeAs<LevilAoAMessage>({0x4C, 0x45, 0x02, 0x00, 45, 80, 7, 0, 0, 1, 2});
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->angleOfAttackValid);
    EXPECT_NEAR(a->angleOfAttack, 0.45, 1e-12);
    EXPECT_TRUE(a->secondValueValid);
    EXPECT_EQ(a->secondValue, 30);
    EXPECT_EQ(a->rawByte6, 7u);
    EXPECT_EQ(a->rawWord7, 0x0102u);

    a = decodeAs<LevilAoAMessage>({0x4C, 0x45, 0x02, 0x00, 255, 255, 0, 0});
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->angleOfAttackValid);
    EXPECT_FALSE(a->secondValueValid);
}

TEST(GDL90Levil, GPSStatus) {
    auto s = decodeAs<LevilGPSStatus>({0x4C, 0x45, 0x07, 0x01, 3, 9, 0x00, 0x19, 2, 0});
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->has3DFix);
    EXPECT_EQ(s->satellites, 9u);
    EXPECT_NEAR(s->accuracy, 2.5, 1e-12);
    EXPECT_EQ(s->status, 2u);
    s = decodeAs<LevilGPSStatus>({0x4C, 0x45, 0x07, 0x01, 2, 4, 0, 0, 0, 0});
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->has3DFix);
}

// Pressure, temperature and GPS channels are checked through the samples
// they feed, in GDL90SensorDeriveTest.
TEST(GDL90Talos, HeaderAndChannelsOfTheOtherKinds) {
    auto p = decodeAs<TalosPressureMessage>(talosMessage(61, 1, 123456, {1013.0f, 5.5f, 300.0f, 51.4f, 53.0f}, 35));
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->isValidMsg() && p->isTimeStampAvail());
    EXPECT_EQ(p->getTimeStampIfAvail(), 123456u);
    auto gyro = decodeAs<TalosGyroMessage>(talosMessage(62, 1, 1, {1, 2, 3}, 26));
    ASSERT_TRUE(gyro);
    EXPECT_FLOAT_EQ(gyro->getZ(), 3);
    auto acc = decodeAs<TalosAccMessage>(talosMessage(63, 1, 1, {0, 9.81f, 0}, 26));
    ASSERT_TRUE(acc);
    EXPECT_FLOAT_EQ(acc->getY(), 9.81f);
    auto aoa = decodeAs<TalosAoAMessage>(talosMessage(83, 1, 1, {4.0f, -1.0f, 15.0f}, 46));
    ASSERT_TRUE(aoa);
    EXPECT_FLOAT_EQ(aoa->getCriticalAngle(), 15.0f);
    auto att = decodeAs<TalosAttitudeMessage>(talosMessage(71, 1, 1, {0.1f, -0.2f, 3.0f}, 50));
    ASSERT_TRUE(att);
    EXPECT_FLOAT_EQ(att->getPitch(), -0.2f);
    auto c = decodeAs<TalosCompassMessage>(talosMessage(72, 0, 1, {10.0f, 12.0f}, 78));
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->isValidMsg());
    EXPECT_FLOAT_EQ(c->getTrueHeading(), 12.0f);
}

// The channel `index` of a message smoothed from `before` to `after`.
template <typename Message>
float smoothed(int index, float before, float after) {
    Message older, newer;
    older.setChannel(index, before);
    newer.setChannel(index, after);
    newer.smoothWith(older);
    return newer.channel(index);
}

TEST(GDL90Talos, SmoothingBlendsLinearChannelsAndUnwrapsAngles) {
    const float pi = 3.14159265f;
    EXPECT_NEAR(smoothed<TalosPressureMessage>(0, 1000.0f, 1010.0f), 1003.0, 1e-3);
    EXPECT_NEAR(smoothed<TalosCompassMessage>(0, 350.0f, 10.0f), 356.0, 1e-3);  // 20° apart across north
    EXPECT_NEAR(smoothed<TalosAttitudeMessage>(0, pi - 0.1f, -pi + 0.1f), pi - 0.04, 1e-4);  // roll in radians
    EXPECT_NEAR(smoothed<TalosAoAMessage>(1, 170.0f, -170.0f), 176.0, 1e-3);
    EXPECT_FLOAT_EQ(smoothed<TalosGPSMessage>(5, 4.0f, 9.0f), 9.0f) << "counts are not averaged";
}

}  // namespace
