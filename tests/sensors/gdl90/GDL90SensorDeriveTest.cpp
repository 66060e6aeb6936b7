#include "GDL90SensorFixture.h"

#include "base/Units.h"

#include <cmath>

namespace {

// A sensor without any endpoint (its serial line does not exist), fed with
// decoded messages directly at chosen times.
class GDL90SensorLogic : public testing::Test {
protected:
    void SetUp() override {
        registerSensorKinds(manager);
        manager.setUI(&ui);
        GDL90Sensor::Settings settings;
        settings.useSerial = true;
        settings.deviceNode = "/nonexistent/ttyGDL90";
        sensor = std::make_unique<GDL90Sensor>(manager, settings, [this] { return now; });
    }
    void receive(const Bytes& message, double at) {
        auto messages = parseAll(makeGDL90Frame(message));
        ASSERT_EQ(messages.size(), 1u);
        sensor->processReceivedGDL90Message(std::move(messages[0]), at);
    }
    // One cycle of the sensor at time t in which bytes arrived.
    void cycle(double t) {
        now = t;
        sensor->Update();  // clears the per-cycle flags; nothing to read
        sensor->updateDataExceptTrafficAndUAT(t);
    }
    bool updatedThisCycle(ISensorData::Type type) { return sensor->lastTimeUpdated(type) == 1; }
    template <typename T>
    T* sample(ISensorData::Type type) {
        return static_cast<T*>(sensor->getData(type));
    }
    double rollOf(const Matrix3x3& m) {
        // For Yaw(0)·Pitch(0)·Roll(r): first column (cos r, sin r, 0).
        return std::atan2(m.m[1][0], m.m[0][0]) * units::kDegreesPerRadian;
    }
    static Bytes ownship(int trackType, double track) {
        GDL90TrafficReport r;
        r.trackType = trackType;
        r.track = track;
        return encodeTrafficReport(r, true);
    }
    static Bytes talos(unsigned char id, uint32_t timeStamp, std::vector<float> channels, size_t length) {
        return talosMessage(id, 1, timeStamp, channels, length);
    }
    double storedPressureTime() {
        return sensor->getStoredMessage(IGDL90Message::TALOS_PRESSURE)->getTimeStampIfAvail();
    }
    double now = 0;
    SensorManager manager;
    RecordingUI ui;
    std::unique_ptr<GDL90Sensor> sensor;
};

TEST_F(GDL90SensorLogic, ForeFlightAttitudeExpiresAfterOneSecondOwnshipAfterThreeAndAQuarter) {
    receive(encodeForeFlightAHRS(20, 0, NAN, true, NAN, NAN), 10.0);
    receive(ownship(1, 90), 10.0);
    // At each time: attitude, position and GPS updated in that cycle?
    const std::pair<double, std::vector<bool>> cycles[] = {
        {10.99, {true, true, true}}, {11.0, {false, true, true}}, {13.24, {false, true, true}}, {13.25, {false, false, false}}};
    for (const auto& [t, updated] : cycles) {
        cycle(t);
        EXPECT_EQ(std::vector<bool>({updatedThisCycle(ISensorData::ATTITUDE), updatedThisCycle(ISensorData::POSITION),
                                     updatedThisCycle(ISensorData::GPS)}),
                  updated)
            << t;
    }
}

TEST_F(GDL90SensorLogic, AttitudeSourcesInOrderTalosStratuxForeFlight) {
    receive(encodeForeFlightAHRS(30, 0, NAN, true, NAN, NAN), 1.0);
    cycle(1.0);
    EXPECT_NEAR(rollOf(sample<Attitude_Data>(ISensorData::ATTITUDE)->orientation), -30, 1e-6);
    StratuxAHRSReport stratux;
    stratux.rollDegrees = 15, stratux.pitchDegrees = 0, stratux.yawRateDegreesPerSecond = 3;
    receive(encodeStratuxAHRS(stratux), 1.0);
    cycle(1.0);
    EXPECT_NEAR(rollOf(sample<Attitude_Data>(ISensorData::ATTITUDE)->orientation), -15, 1e-6);
    EXPECT_NEAR(sample<TurnRate_Data>(ISensorData::TURNRATE)->turnRate, 3, 1e-9) << "the turn coordinator's rate";
    receive(talos(71, 1, {static_cast<float>(5 * units::kRadiansPerDegree), 0, 0}, 50), 1.0);
    cycle(1.0);
    EXPECT_NEAR(rollOf(sample<Attitude_Data>(ISensorData::ATTITUDE)->orientation), 5, 1e-4);
}

TEST_F(GDL90SensorLogic, HeadingPrefersTrackThenTrueThenMagneticAndKeepsTheLast) {
    receive(encodeForeFlightAHRS(NAN, NAN, 123.4, false, NAN, NAN), 1.0);
    cycle(1.0);
    EXPECT_NEAR(sample<Heading_Data>(ISensorData::HEADING)->heading, 123.4, 1e-9);
    receive(ownship(3, 45), 1.0);  // true heading beats magnetic
    cycle(1.0);
    EXPECT_NEAR(sample<Heading_Data>(ISensorData::HEADING)->heading, 45, 1e-9);
    receive(ownship(1, 90), 1.0);  // a true track beats both
    cycle(1.0);
    EXPECT_NEAR(sample<Heading_Data>(ISensorData::HEADING)->heading, 90, 1e-9);
    cycle(5.0);  // everything stale: the heading stays, but is not new
    EXPECT_FALSE(updatedThisCycle(ISensorData::HEADING));
    EXPECT_NEAR(sample<Heading_Data>(ISensorData::HEADING)->heading, 90, 1e-9);
}

TEST_F(GDL90SensorLogic, TalosMessagesNeedNewerDeviceTimeUnlessTheStoredOneIsOld) {
    receive(talos(61, 1000, {1000, 0, 100, 0, 0}, 35), 0.0);
    receive(talos(61, 900, {1010, 0, 100, 0, 0}, 35), 1.4);  // stale straggler
    ASSERT_NE(sensor->getStoredMessage(IGDL90Message::TALOS_PRESSURE), nullptr);
    EXPECT_EQ(storedPressureTime(), 1000u);
    receive(talos(61, 1100, {1010, 0, 100, 0, 0}, 35), 1.45);
    EXPECT_EQ(storedPressureTime(), 1100u);
    // Older than half its 3 s time-out: a device restart is accepted.
    receive(talos(61, 5, {1010, 0, 100, 0, 0}, 35), 3.0);
    EXPECT_EQ(storedPressureTime(), 5u);
}

TEST_F(GDL90SensorLogic, TalosAirDataAndGPS) {
    receive(talos(61, 1000, {950, 0, 500, 51.4444444f, 55}, 35), 1.0);
    receive(talos(66, 1000, {46.5f, 7.25f, 600, 25.7222222f, 180, 9}, 34), 1.0);
    receive(talos(65, 1000, {-3, 24}, 19), 1.0);
    cycle(1.0);
    EXPECT_NEAR(sample<AirSpeed_Data>(ISensorData::AIRSPEED)->airSpeed, 100, 1e-3);
    EXPECT_NEAR(sample<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE)->pressure, 950, 1e-3);
    EXPECT_NEAR(sample<Temperature_Data>(ISensorData::OUTSIDE_TEMPERATURE)->temperature, -3, 1e-6);
    auto* gps = sample<GPS_Data>(ISensorData::GPS);
    EXPECT_NEAR(gps->latitude, 46.5, 1e-5);
    EXPECT_NEAR(gps->groundSpeed, 50, 1e-3);
    EXPECT_NEAR(sample<Heading_Data>(ISensorData::HEADING)->heading, 180, 1e-4);
}

TEST_F(GDL90SensorLogic, TrafficConversions) {
    GDL90TrafficReport r;
    r.address = 0x4B1234;
    r.latitude = -33.9;
    r.longitude = -0.5;
    r.pressureAltitudeValid = false;
    r.groundSpeedKnots = 250.4;
    r.verticalVelocityValid = false;
    r.nacp = 13;
    r.callSign = "SWR 12";
    receive(encodeTrafficReport(r, false), 1.0);
    auto& targets = sample<Traffic_Data>(ISensorData::TRAFFIC)->traffic;
    const TrafficElement* e = targets.at(0x4B1234);
    EXPECT_NEAR(e->longitude, 359.5, 2.2e-5);
    // No altitude and no climb rate (-100000); the NACp gives the capability.
    EXPECT_EQ(std::make_tuple(e->altitude, e->velocity, e->climbRate, e->capabilityIndex, e->name),
              std::make_tuple(-100000.0, 250, -100000, 8u, std::string("SWR12")));
    EXPECT_TRUE(updatedThisCycle(ISensorData::TRAFFIC));
}

}  // namespace
