#include "GDL90SensorFixture.h"

#include "base/Units.h"
#include "sensors/PressureAltitude.h"

#include <cmath>

namespace {

constexpr double kFoot = units::kMetresPerFoot;

GDL90TrafficReport report(uint32_t address, double latitude, double longitude, double feet, double knots,
                          double track, double feetPerMinute, const char* callSign) {
    GDL90TrafficReport r;
    r.address = address;
    r.latitude = latitude;
    r.longitude = longitude;
    r.pressureAltitudeFeet = feet;
    r.groundSpeedKnots = knots;
    r.track = track;
    r.verticalVelocityFpm = feetPerMinute;
    r.callSign = callSign;
    return r;
}

GDL90TrafficReport ownshipReport() { return report(0xABCDEF, 47.5, 8.5, 4500, 120, 270, 512, "HBABC"); }
GDL90TrafficReport trafficReport(uint32_t address) { return report(address, 47.52, -122.5, 5000, 100, 90, -640, "TGT1"); }

void sendFlight(const std::function<void(const Bytes&)>& send) {
    send(encodeHeartbeat(true, 12 * 3600 + 34 * 60 + 56, true));
    send(encodeTrafficReport(ownshipReport(), true));
    send(encodeGeoAltitude(4600, 10));
    send(encodeForeFlightAHRS(10, 5, 268, true, 110, 115));
    send(encodeTrafficReport(trafficReport(0xABC123), false));
    GDL90TrafficReport hidden = trafficReport(0x123456);
    hidden.addressType = 1;
    hidden.positionValid = false;
    send(encodeTrafficReport(hidden, false));
}

TEST_F(GDL90SensorOverUDP, SentFlightArrivesInTheSamples) {
    sendFlight([this](const Bytes& m) { sendMessage(m); });
    ASSERT_TRUE(updateUntilReceived());
    EXPECT_TRUE(sensor->isConnected() && ui.saw(L"Connection established."));
    EXPECT_EQ(manager.getDefaultSensor(ISensorData::POSITION), sensor);
    // The simulator's end-to-end test (tests/tools) checks speeds, headings and attitude.
    auto* gps = sample<GPS_Data>(ISensorData::GPS);
    EXPECT_TRUE(gps->positionAvail && gps->altitudeAvail && gps->timeAvail && gps->fixType == 3);
    EXPECT_NEAR(gps->latitude, 47.5, 2.2e-5);
    EXPECT_NEAR(gps->altitude, 4600 * kFoot, 5 * kFoot / 2);
    EXPECT_EQ(gps->hour * 10000 + gps->minute * 100 + gps->second, 123456);
    EXPECT_NEAR(sample<VerticalSpeed_Data>(ISensorData::VERTICALSPEED)->verticalSpeed, 512 * kFoot / 60, 1e-9);
    EXPECT_NEAR(sample<Pressure_Data>(ISensorData::INSIDE_PRESSURE)->pressure,
                calcPressureFromAltitude(4500 * kFoot, 1013.25), 1e-9);
    EXPECT_NEAR(sample<Attitude_Data>(ISensorData::ATTITUDE)->orientation.getPitchDegrees(), 5, 0.05);
    auto* traffic = sample<Traffic_Data>(ISensorData::TRAFFIC);
    ASSERT_EQ(traffic->traffic.size(), 2u);
    const TrafficElement* a = traffic->traffic.at(0xABC123);
    EXPECT_NEAR(a->longitude, 360 - 122.5, 2.2e-5);
    EXPECT_EQ(std::make_tuple(a->altitude, a->climbRate, a->track, a->name),
              std::make_tuple(5000.0, -640, 90.0f, std::string("TGT1")));
    const TrafficElement* b = traffic->traffic.at((1u << 24) | 0x123456);
    EXPECT_TRUE(!b->hasPosition() && b->icaoAddress == 0x123456u);
}

TEST_F(GDL90SensorOverUDP, SilenceLosesTheConnectionAfterTwoSeconds) {
    sendMessage(encodeHeartbeat(true, 100, true));
    ASSERT_TRUE(updateUntilReceived());
    now += 1.9;
    EXPECT_FALSE(sensor->Update());
    EXPECT_TRUE(sensor->isConnected() && !ui.saw(L"Connection lost."));
    now += 0.2;
    sensor->Update();
    EXPECT_FALSE(sensor->isConnected());
    ASSERT_TRUE(ui.saw(L"Connection lost."));
    EXPECT_LT(ui.durations.back(), 0) << "stays until replaced";
    EXPECT_EQ(sensor->getWarning(ISensorData::POSITION), ISensor::WRONG);
}

TEST_F(GDL90SensorOverUDP, TrafficExpiresAfterTwentySecondsOfSilence) {
    sendMessage(encodeTrafficReport(trafficReport(0x111111), false));
    ASSERT_TRUE(updateUntilReceived());
    const double heard = now;
    now = heard + 10;
    sendMessage(encodeTrafficReport(trafficReport(0x222222), false));
    ASSERT_TRUE(updateUntilReceived());
    auto& targets = sample<Traffic_Data>(ISensorData::TRAFFIC)->traffic;
    ASSERT_EQ(targets.size(), 2u);
    now = heard + 19;
    sensor->Update();
    EXPECT_EQ(targets.size(), 2u) << "19 s of silence";
    now = heard + 20.5;
    sensor->Update();
    ASSERT_EQ(targets.size(), 1u) << "20.5 s of silence";
    EXPECT_EQ(targets.begin()->first, 0x222222u);
}

TEST_F(GDL90SensorOverUDP, WarningsStepDownWhenAFreshSourceGoesStale) {
    sendMessage(encodeForeFlightAHRS(0, 0, 90, true, 100, 100));
    ASSERT_TRUE(updateUntilReceived());
    EXPECT_EQ(sensor->getWarning(ISensorData::ATTITUDE), ISensor::GOOD);
    EXPECT_EQ(sensor->getWarning(ISensorData::POSITION), ISensor::WRONG) << "never had a position";
    // Heartbeats keep the link up while the AHRS has gone quiet.
    now += 1.0;
    sendMessage(encodeHeartbeat(true, 1, true));
    ASSERT_TRUE(updateUntilReceived());
    EXPECT_EQ(sensor->lastTimeUpdated(ISensorData::ATTITUDE), 0u);
    EXPECT_EQ(sensor->getWarning(ISensorData::ATTITUDE), ISensor::MAYBE_WRONG);
    now += 0.5;
    sendMessage(encodeHeartbeat(true, 2, true));
    ASSERT_TRUE(updateUntilReceived());
    EXPECT_EQ(sensor->getWarning(ISensorData::ATTITUDE), ISensor::WRONG);
}

}  // namespace
