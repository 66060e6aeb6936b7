#include "GDL90TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(GDL90Stratux, AHRSFieldsScalesAndInvalidMarkers) {
    Bytes m = {0x4C, 0x45, 0x01, 0x01};
    // Roll -12.3°, pitch 4.5°, heading invalid, slip 2.50, yaw rate 3.0 °/s,
    // 1.0 G, 95 kt, 8500 (3500 ft above the -5000.5 ft offset), -500 ft/min.
    for (int raw : {-123, 45, 0x7FFF, 250, 30, 10, 95, 8500, -500}) appendBe16(m, static_cast<uint16_t>(raw));
    auto a = decodeAs<StratuxAHRSMessage>(m);
    EXPECT_EQ(fieldsOf(*a),
              "roll=-12.3000 pitch=4.5000 heading=- slipSkid=2.5000 yawRate=3.0000 g=9.8100 "
              "indicatedAirspeed=95.0000 pressureAltitude=1066.6476 verticalSpeed=-2.5400");
}

TEST(GDL90ForeFlight, AHRSTrueAndMagneticHeading) {
    Bytes m = {0x65, 0x01};
    // Roll 15.0, pitch -2.0, true heading 270.5, IAS 110, TAS invalid.
    for (int raw : {150, -20, 2705, 110, 0xFFFF}) appendBe16(m, static_cast<uint16_t>(raw));
    auto a = decodeAs<FFAHRSMessage>(m);
    EXPECT_EQ(fieldsOf(*a),
              "subId=1 roll=15.0000 pitch=-2.0000 heading=270.5000 headingIsTrue=1 indicatedAirspeed=110.0000 "
              "trueAirspeed=-");
    m[6] = 0x80;
    m[7] = 0x10;  // negative raw value: magnetic
    m[2] = 0x7F;
    m[3] = 0xFF;  // roll invalid
    a = decodeAs<FFAHRSMessage>(m);
    EXPECT_TRUE(a->headingValid);
    EXPECT_FALSE(a->headingIsTrue || a->rollValid);
}

TEST(GDL90Levil, AngleOfAttackAndGPSStatus) {
    auto a = decodeAs<LevilAoAMessage>({0x4C, 0x45, 0x02, 0x00, 45, 80, 7, 0, 0, 1, 2});
    EXPECT_EQ(fieldsOf(*a), "angleOfAttack=0.4500 secondValue=30 rawByte6=7 rawWord7=258");
    auto s = decodeAs<LevilGPSStatus>({0x4C, 0x45, 0x07, 0x01, 3, 9, 0x00, 0x19, 2, 0});
    EXPECT_EQ(fieldsOf(*s), "fixType=3 has3DFix=1 satellites=9 accuracy=2.5000 status=2");
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
    EXPECT_FLOAT_EQ(smoothed<TalosGPSMessage>(5, 4.0f, 9.0f), 9.0f) << "counts are not averaged";
}

}  // namespace
