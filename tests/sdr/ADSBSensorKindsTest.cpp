#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BeastStream.h"
#include "FakeRadio.h"
#include "net/TCPSocket.h"
#include "sdr/ADSBSensorKinds.h"
#include "sdr/FrameSources.h"
#include "sdr/RTLSDRSensor.h"
#include "sensors/SensorManager.h"
#include "support/Eventually.h"
#include "support/RecordingUI.h"

namespace {
// 40621D: an even and an odd airborne position; 4840D6: identification KLM1023.
const std::vector<uint8_t> kEven = {0x8D, 0x40, 0x62, 0x1D, 0x58, 0xC3, 0x82, 0xD6, 0x90, 0xC8, 0xAC, 0x28, 0x63, 0xA7};
const std::vector<uint8_t> kOdd = {0x8D, 0x40, 0x62, 0x1D, 0x58, 0xC3, 0x86, 0x43, 0x5C, 0xC4, 0x12, 0x69, 0x2A, 0xD6};
const std::vector<uint8_t> kIdent = {0x8D, 0x48, 0x40, 0xD6, 0x20, 0x2C, 0xC3,
                                     0x71, 0xC3, 0x2C, 0xE0, 0x57, 0x60, 0x98};

class ADSBSensorKindsTest : public ::testing::Test {
protected:
    ADSBSensorKindsTest() {
        manager.setUI(&ui);
        registerSensorKinds(manager, nullptr, createADSBSensorKinds(&manager));
    }
    const TrafficElement* target(uint32_t address) {
        auto* traffic =
            static_cast<Traffic_Data*>(manager.getDefaultSensor(ISensorData::TRAFFIC)->getData(ISensorData::TRAFFIC));
        auto it = traffic->traffic.find(address);
        return it == traffic->traffic.end() ? nullptr : it->second;
    }
    // Updates the manager until `condition` holds.
    template <class Condition>
    bool updateUntil(Condition condition, unsigned timeoutMs = 2000) {
        return eventually(
            [&] {
                manager.Update();
                return condition();
            },
            timeoutMs);
    }
    RecordingUI ui;
    SensorManager manager;
};

TEST_F(ADSBSensorKindsTest, BeastReceiverFeedsTrafficAndComesBackAfterADrop) {
    IPv4TCPSocket server(0);
    ASSERT_TRUE(server.listen(2));
    ASSERT_EQ(10, manager.findSensorFactory(kNetworkADSBSensorName));
    IniFile ini;
    ini.set("", "SensorCount", "2");
    ini.set("", "D" + std::to_string(ISensorData::TRAFFIC), "1");
    ini.set("S1", "FactoryIndex", "10");
    ini.set("S1", "host", "127.0.0.1");
    ini.set("S1", "port", std::to_string(server.getBoundPort()));
    manager.loadSensorSettingsFromIni(&ini, false);
    ISensor* sensor = manager.getDefaultSensor(ISensorData::TRAFFIC);
    ASSERT_EQ(kNetworkADSBSensorName, sensor->getName());

    manager.Update();  // connects
    auto first = server.accept(2000);
    ASSERT_TRUE(first);
    // The receiver goes away in the middle of a frame; its rest must not be
    // glued to the first frame of the next connection.
    const std::string pair = beast('3', 1, kEven) + beast('3', 2, kOdd) + beast('3', 3, kIdent).substr(0, 9);
    ASSERT_TRUE(first->send(pair.data(), unsigned(pair.size())));
    ASSERT_TRUE(updateUntil([&] { return target(0x40621D) && target(0x40621D)->hasPosition(); }));
    EXPECT_NEAR(52.26, target(0x40621D)->latitude, 0.01);
    EXPECT_NEAR(3.92, target(0x40621D)->longitude, 0.01);
    EXPECT_EQ(ISensor::GOOD, sensor->getWarning(ISensorData::TRAFFIC));
    EXPECT_TRUE(ui.saw(L"ADS-B receiver connected."));

    first.reset();
    ASSERT_TRUE(updateUntil([&] { return sensor->getWarning(ISensorData::TRAFFIC) == ISensor::WRONG; }));
    EXPECT_TRUE(ui.saw(L"ADS-B receiver: connection lost."));
    std::unique_ptr<IPv4TCPSocket> second;
    ASSERT_TRUE(updateUntil([&] { return (second = server.accept(1)) != nullptr; },
                            int(NetworkFrameSource::kRetrySeconds * 1000) + 3000));
    const std::string ident = beast('3', 3, kIdent);
    ASSERT_TRUE(second->send(ident.data(), unsigned(ident.size())));
    ASSERT_TRUE(updateUntil([&] { return target(0x4840D6) != nullptr; }));
    EXPECT_EQ("KLM1023", target(0x4840D6)->name);
    EXPECT_NE(nullptr, target(0x40621D)) << "a target outlives its receiver's reconnection";
}

TEST_F(ADSBSensorKindsTest, WithoutAStickTheSensorSaysSoAndFindsOnePluggedInLater) {
    ASSERT_EQ(11, manager.findSensorFactory(kRTLSDRSensorName));
    double now = 100;
    auto* radio = new FakeRadio;  // a computer without a stick, until the test plugs one in
    radio->count = 0;
    RTLSDRSensor sensor(manager, std::unique_ptr<ISoftwareDefinedRadio>(radio), [&] { return now; });
    EXPECT_FALSE(sensor.Update());
    now += 1;
    EXPECT_FALSE(sensor.Update());
    EXPECT_EQ(std::vector<std::wstring>{L"No RTL-SDR receiver found."}, ui.messages) << "once, not every frame";
    EXPECT_EQ(ISensor::WRONG, sensor.getWarning(ISensorData::TRAFFIC));
    EXPECT_EQ(L"No RTL-SDR receiver found.", sensor.getSensorDetails());

    radio->count = 1;
    now += RTLSDRSensor::kSearchPeriodSeconds / 2;
    sensor.Update();
    EXPECT_EQ(ISensor::WRONG, sensor.getWarning(ISensorData::TRAFFIC)) << "not searched again yet";
    now += RTLSDRSensor::kSearchPeriodSeconds;
    sensor.Update();
    EXPECT_EQ(ISensor::GOOD, sensor.getWarning(ISensorData::TRAFFIC));
    EXPECT_EQ(L"RTL-SDR receiver found.", ui.messages.back());
    EXPECT_NE(std::wstring::npos, sensor.getSensorDetails().find(L"Receiver 0: fake stick"));
}
}  // namespace
