#include <gtest/gtest.h>

#include "fusion/SensorFusionClient.h"
#include "net/IPAddress.h"
#include "net/UDPSocket.h"
#include "sensors/SensorData.h"
#include "support/Eventually.h"

namespace {

// One forwarding record of a sample, as a unit sends it.
std::string record(ISensorData& sample, uint8_t warning) {
    int size = 0;
    const char* payload = static_cast<const char*>(sample.serialize(&size));
    std::string r = "SDat";
    const uint32_t type = uint32_t(sample.getType()), length = uint32_t(size);
    r.append(reinterpret_cast<const char*>(&type), 4).append(reinterpret_cast<const char*>(&length), 4);
    r += '\0', r += char(warning), r += char(7);
    r.append(payload, size_t(size));
    unsigned sum = 0;
    for (size_t i = 0; i < r.size(); ++i)
        if (i != 12) sum += uint8_t(r[i]);
    r[12] = char(sum);
    return r;
}

class SensorFusionClientTest : public ::testing::Test {
protected:
    SensorFusionClientTest()
        : client(
              0, [this](const std::string& l) { lines.push_back(l); }, [this] { return now; }) {}
    std::vector<std::string> lines;
    uint32_t now = 1000;
    SensorFusionClient client;
};

TEST_F(SensorFusionClientTest, TakesTheUnitsSamplesFromForwardingDatagrams) {
    ASSERT_TRUE(client.start());
    Attitude_Data attitude;
    attitude.orientation = Matrix3x3::fromEuler(0.5, -0.1, 0.2);
    GPS_Data gps;
    gps.latitude = 47.5, gps.longitude = 8.25, gps.positionAvail = true;
    TurnRate_Data rate(3.0, 1);
    std::string corrupt = record(rate, 0);
    corrupt.back() ^= 1;
    IPv4UDPSocket unit;
    unit.setUDPTarget(IPv4Address("127.0.0.1", static_cast<unsigned short>(client.getBoundPort())));
    const std::string datagram = record(attitude, 0) + record(gps, 1) + corrupt;
    ASSERT_TRUE(unit.send(datagram.data(), unsigned(datagram.size())));
    FusionOutput out;
    ASSERT_TRUE(eventually([&] { return client.takeOutput(out); }));
    EXPECT_EQ(attitude.orientation, out.attitude);
    EXPECT_TRUE(out.gpsValid);
    EXPECT_DOUBLE_EQ(47.5, out.gps.latitude);
    EXPECT_EQ(ISensor::MAYBE_WRONG, out.levels[ISensorData::GPS]);
    EXPECT_EQ(0.0, out.turnRate) << "the record with a wrong checksum";
    EXPECT_EQ(std::vector<std::string>{"External ProbeUnit connected."}, lines);
    EXPECT_EQ(lines, client.takeMessages()) << "for the pilot too";
    EXPECT_TRUE(client.takeMessages().empty());

    now += SensorFusionClient::kTimeoutMs + 1;
    EXPECT_TRUE(client.takeOutput(out));
    EXPECT_FALSE(client.isConnected());
    EXPECT_EQ("External Probeunit: DISCONNECTED", lines.back());
    EXPECT_EQ(ISensor::WRONG, out.levels[ISensorData::ATTITUDE]);
}

TEST_F(SensorFusionClientTest, APortInUseIsReported) {
    ASSERT_TRUE(client.start());
    SensorFusionClient second(client.getBoundPort(), [this](const std::string& l) { lines.push_back(l); });
    EXPECT_FALSE(second.start());
    EXPECT_EQ(std::vector<std::string>{"SensorFusionClient: Bind UDP Socket failed."}, lines);
}

}  // namespace
