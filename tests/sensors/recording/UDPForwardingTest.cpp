#include <gtest/gtest.h>

#include "RecordingTestSupport.h"
#include "sensors/SensorKinds.h"
#include "sensors/Traffic_Data.h"
#include "sensors/recording/ForwardingRecord.h"
#include "sensors/recording/UDPForwarder.h"
#include "sensors/recording/UDPSensor.h"
#include "support/Eventually.h"

namespace {

std::string datagramOf(ISensorData& sample, uint8_t warning, uint8_t sequence) {
    std::string datagram;
    const std::string record = bytesOf(sample);
    forwarding::appendRecord(datagram, uint32_t(sample.getType()), warning, sequence, record.data(),
                             uint32_t(record.size()));
    return datagram;
}

class UDPForwardingTest : public ::testing::Test {
protected:
    void SetUp() override { registerSensorKinds(receiver); }
    UDPSensor& receivingSensor() {
        IniFile ini;
        ini.set("", "SensorCount", "2");
        ini.set("S1", "FactoryIndex", std::to_string(receiver.findSensorFactory("UDP (forwarded data)")));
        ini.set("S1", "bindPort", "0");  // the system's choice
        for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) ini.set("", "D" + std::to_string(t), "1");
        receiver.loadSensorSettingsFromIni(&ini, false);
        return *dynamic_cast<UDPSensor*>(receiver.getSensorInterface(1));
    }

    SensorManager receiver;
    uint32_t now = 1000;
};

TEST_F(UDPForwardingTest, RecordLayoutChecksumAndWarningLevel) {
    Position_Data position(11.5, 47.25, 1234);
    std::string datagram = datagramOf(position, ISensor::MAYBE_WRONG, 7);
    ASSERT_EQ(datagram.size(), 15u + 20u);
    EXPECT_EQ(datagram.substr(0, 4), "SDat");
    uint32_t type = 0, length = 0;
    uint8_t sum = 0, warning = 0, sequence = 0;
    RecordReader(datagram.data() + 4, 11)(type, length, sum, warning, sequence);
    EXPECT_EQ(std::make_pair(type, length), std::make_pair(4u, 20u));
    EXPECT_EQ(std::make_pair(warning, sequence), std::make_pair(uint8_t(1), uint8_t(7)));
    unsigned expected = 0;
    for (size_t i = 0; i < datagram.size(); ++i) expected += i == 12 ? 0 : uint8_t(datagram[i]);
    EXPECT_EQ(sum, uint8_t(expected));

    UDPSensor sensor(receiver, UDPSensor::Settings{false, 0, 0, 500}, [this] { return now; });
    EXPECT_TRUE(sensor.processDatagram(datagram.data(), datagram.size()));
    EXPECT_EQ(bytesOf(*sensor.getData(ISensorData::POSITION)), bytesOf(position));
    EXPECT_EQ(sensor.getWarning(ISensorData::POSITION), ISensor::MAYBE_WRONG);
    now += 501;  // the time-out
    EXPECT_EQ(sensor.getWarning(ISensorData::POSITION), ISensor::WRONG);

    Position_Data other(1, 2, 3);
    std::string damaged = datagramOf(other, 0, 8);
    damaged[20] ^= 1;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(sensor.processDatagram(damaged.data(), damaged.size()));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Wrong checksum\n");
    EXPECT_EQ(bytesOf(*sensor.getData(ISensorData::POSITION)), bytesOf(position));
    // A record cut short by the end of the datagram is not one.
    const std::string cut = datagramOf(other, 0, 8);
    EXPECT_FALSE(sensor.processDatagram(cut.data(), cut.size() - 1));
}

TEST_F(UDPForwardingTest, SequenceNumbersWrapInOrder) {
    EXPECT_TRUE(forwarding::isSequenceInOrder(254, 255));
    EXPECT_TRUE(forwarding::isSequenceInOrder(255, 0));
    EXPECT_TRUE(forwarding::isSequenceInOrder(0, 1));
    EXPECT_TRUE(forwarding::isSequenceInOrder(20, 18));  // two behind is tolerated
    EXPECT_FALSE(forwarding::isSequenceInOrder(20, 10));
    EXPECT_FALSE(forwarding::isSequenceInOrder(250, 20));

    UDPSensor sensor(receiver, UDPSensor::Settings{false, 0, 0, 500}, [this] { return now; });
    Altitude_Data altitude(400, 1);
    testing::internal::CaptureStderr();
    for (uint8_t sequence : {254, 255, 0, 1, 20, 10}) {
        const std::string d = datagramOf(altitude, 0, sequence);
        sensor.processDatagram(d.data(), d.size());
    }
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(sensor.getOutOfOrderCount(), 1);
    EXPECT_NE(log.find(" oldSeqNr=20 Diff=-10 Counter=1"), std::string::npos) << log;
}

TEST_F(UDPForwardingTest, OneSensorManagerForwardsToAnotherOverLoopback) {
    UDPSensor& udp = receivingSensor();
    ASSERT_TRUE(udp.isBound());
    const int port = udp.getBoundPort();

    SensorManager sender;
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t)
        sender.addSensorDataFactory(ISensorData::Type(t), createStandardSensorDataFactory(ISensorData::Type(t)));
    sender.addSensorFactory(new ScriptedSensorFactory(&sender, "scripted"));
    sender.addSensorForwarderFactory(new UDPForwarderFactory());
    IniFile ini;
    ini.set("", "SensorCount", "2");
    ini.set("S1", "FactoryIndex", "0");
    ini.set("", "ForwarderCount", "1");
    ini.set("F0", "ForwarderFactory", "0");
    ini.set("F0", "Broadcast", "0");
    ini.set("F0", "TargetAddress", "127.0.0.1");
    ini.set("F0", "TargetPort", std::to_string(port));
    sender.loadSensorSettingsFromIni(&ini, false);
    ASSERT_EQ(sender.getSensorForwarderCount(), 1);
    auto* source = dynamic_cast<ScriptedSensor*>(sender.getSensorInterface(1));
    fillAllDistinct(*source);
    // More targets than one datagram buffer holds: the buffer grows for them.
    auto* traffic = source->sample<Traffic_Data>(ISensorData::TRAFFIC);
    for (uint32_t address = 1; address <= 40; ++address) {
        TrafficElement target;
        target.icaoAddress = address;
        target.name = "T" + std::to_string(address);
        traffic->set(target);
    }
    source->nextUpdate = true;
    source->warning = ISensor::GOOD;

    testing::internal::CaptureStderr();  // "Creating server socket..."
    sender.Update();
    testing::internal::GetCapturedStderr();
    EXPECT_GT(dynamic_cast<UDPForwarder*>(sender.getSensorForwarder(0))->getBufferSize(), 1400u);
    ASSERT_TRUE(eventually([&] {
        receiver.Update();
        return udp.lastTimeUpdated(ISensorData::TRAFFIC) > 0 && udp.lastTimeUpdated(ISensorData::RAW) > 0;
    }));
    for (ISensorData::Type t : allSampleTypes()) {
        EXPECT_EQ(bytesOf(*receiver.getDefaultSensor(t)->getData(t)), bytesOf(*source->getData(t))) << t;
        EXPECT_EQ(udp.getWarning(t), ISensor::GOOD);
    }
}

}  // namespace
