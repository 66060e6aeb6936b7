#include "GDL90SensorFixture.h"

#include "base/Units.h"
#include "net/TCPSocket.h"
#include "support/RunTool.h"

#include <future>

namespace {

// gdl90sim flies for a little over a second towards the sensor; whatever it
// sends must come out of the samples.
TEST_F(GDL90SensorOverUDP, SimulatorFlightReachesTheSamples) {
    auto simulator = std::async(std::launch::async, [this] {
        return runTool(builtTool("gdl90sim"),
                       splitArguments("--target 127.0.0.1:" + std::to_string(port) +
                                      " --start 47,8 --altitude 3500 --speed 100 --track 45 --traffic 3"
                                      " --traffic-without-position 1 --duration 1.3"));
    });
    auto& targets = sample<Traffic_Data>(ISensorData::TRAFFIC)->traffic;
    auto* position = sample<Position_Data>(ISensorData::POSITION);
    for (int i = 0; i < 1500 && (targets.size() < 3 || position->latitude < 0); ++i) {
        sensor->Update();
        delay(2);
    }
    const ToolRun run = simulator.get();
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    sensor->Update();

    EXPECT_NEAR(position->latitude, 47.0, 0.01);
    EXPECT_NEAR(position->longitude, 8.0, 0.01);
    auto* gps = sample<GPS_Data>(ISensorData::GPS);
    EXPECT_NEAR(gps->altitude, units::feetToMetres(3500), units::feetToMetres(5));
    EXPECT_NEAR(gps->groundSpeed, 100, 0.5);
    EXPECT_NEAR(sample<Heading_Data>(ISensorData::HEADING)->heading, 45, 360.0 / 256);
    EXPECT_NEAR(sample<ExtendedHeading_Data>(ISensorData::EXTENDED_HEADING)->trueHeading, 45, 0.1);
    EXPECT_NEAR(sample<Attitude_Data>(ISensorData::ATTITUDE)->orientation.getPitchDegrees(), 0, 0.1);
    EXPECT_NEAR(sample<AirSpeed_Data>(ISensorData::AIRSPEED)->airSpeed, 100, 0.5);
    ASSERT_EQ(targets.size(), 3u);
    int withoutPosition = 0;
    for (const auto& entry : targets) {
        if (!entry.second->hasPosition()) {
            ++withoutPosition;
            continue;
        }
        EXPECT_NEAR(entry.second->latitude, 47.0, 0.1);
        EXPECT_NEAR(entry.second->altitude, 3500, 1100);
    }
    EXPECT_EQ(withoutPosition, 1);
    const auto* id = static_cast<const FFIdMessage*>(sensor->getStoredMessage(IGDL90Message::FFID));
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->deviceName, "gdl90sim");
}

TEST(GDL90SensorFlavours, TalosListensOnItsExtraPortsAndAcceptsAStream) {
    SensorManager manager;
    registerSensorKinds(manager);
    GDL90Sensor::Settings settings;
    settings.port = freePort();
    settings.flavor = GDL90Sensor::Talos;
    double now = 50;
    GDL90Sensor sensor(manager, settings, [&now] { return now; });
    ASSERT_EQ(sensor.getEndpointCount(), 2) << "UDP on the port and on 5001";
    EXPECT_EQ(sensor.getCalibLabelOverride(), L"Please use the free Talos A-EFIS app for calibration.");

    IPv4TCPSocket client;
    ASSERT_TRUE(client.connect(IPv4Address("127.0.0.1", 8081), 1000));
    const Bytes frame = makeGDL90Frame(encodeForeFlightAHRS(12, 3, 100, true, 90, 95));
    ASSERT_TRUE(client.send(reinterpret_cast<const char*>(frame.data()), unsigned(frame.size())));
    EXPECT_TRUE(updateUntilReceived(sensor));
    EXPECT_EQ(sensor.getEndpointCount(), 3);
    EXPECT_NE(sensor.getStoredMessage(IGDL90Message::FFAHRS), nullptr);

    IPv4UDPSocket udp;
    udp.setUDPTarget(IPv4Address("127.0.0.1", 5001));
    const Bytes heartbeat = makeGDL90Frame(encodeHeartbeat(true, 7, true));
    ASSERT_TRUE(udp.send(reinterpret_cast<const char*>(heartbeat.data()), unsigned(heartbeat.size())));
    EXPECT_TRUE(updateUntilReceived(sensor));
    EXPECT_NE(sensor.getStoredMessage(IGDL90Message::HEARTBEAT), nullptr);
}

}  // namespace
