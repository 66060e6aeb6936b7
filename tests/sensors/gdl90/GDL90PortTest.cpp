// The sensor's UDP port is its own: a second listener must be told it cannot
// have the port instead of silently taking the device's datagrams.
#include "GDL90SensorFixture.h"

namespace {

const int kDatagramCount = 40;

TEST_F(GDL90SensorOverUDP, SecondListenerOnThePortIsRefusedAndTheFirstKeepsEveryDatagram) {
    SensorManager otherManager;
    RecordingUI otherUi;
    registerSensorKinds(otherManager);
    otherManager.setUI(&otherUi);
    otherManager.loadSensorSettingsFromIni(&ini, false);
    auto* second = dynamic_cast<GDL90Sensor*>(otherManager.getSensorInterface(1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->getEndpointCount(), 0);
    ASSERT_EQ(otherUi.messages.size(), 1u);
    EXPECT_EQ(otherUi.messages[0], L"GDL90: cannot listen on UDP port " + std::to_wstring(port) + L" (address in use).");
    EXPECT_EQ(otherUi.colours[0], ISensorManagerUI::WARNING);
    EXPECT_EQ(otherUi.durations[0], -1);
    EXPECT_FALSE(ui.saw(otherUi.messages[0]));

    // Nor may a socket that asks to share the port (SO_REUSEPORT) get in.
    IPv6UDPSocket sharer;
    EXPECT_FALSE(sharer.bind(port, true));
    EXPECT_EQ(sharer.getBindError(), EADDRINUSE);
    IPv4UDPSocket v4;  // the sensor listens dual-stack: the IPv4 side is taken too
    EXPECT_FALSE(v4.bind(port, false));

    for (int i = 0; i < kDatagramCount; ++i) {
        GDL90TrafficReport report;
        report.address = 0x100000 + static_cast<uint32_t>(i);
        report.latitude = 47.5;
        report.longitude = 8.5;
        sendMessage(encodeTrafficReport(report, false));
    }
    auto* traffic = sample<Traffic_Data>(ISensorData::TRAFFIC);
    for (int i = 0; i < 500 && traffic->traffic.size() < static_cast<size_t>(kDatagramCount); ++i) {
        sensor->Update();
        delay(2);
    }
    EXPECT_EQ(traffic->traffic.size(), static_cast<size_t>(kDatagramCount));
    EXPECT_FALSE(second->Update());
}

}  // namespace
