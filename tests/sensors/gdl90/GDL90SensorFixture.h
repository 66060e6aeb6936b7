#pragma once
#include "GDL90TestSupport.h"
#include "sensors/core/SensorTestSupport.h"

#include "base/IniFile.h"
#include "base/Time.h"
#include "net/IPAddress.h"
#include "net/UDPSocket.h"
#include "sensors/gdl90/GDL90Encoder.h"
#include "sensors/gdl90/GDL90Sensor.h"
#include "sensors/SensorData.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A UDP port nobody uses right now, as the kernel hands them out.
inline int freePort() {
    IPv4UDPSocket probe;
    if (!probe.bind(0, false)) return -1;
    return probe.getBoundPort();
}

// Polls until the sensor has read what was sent so far (loopback delivers at
// once, but give the kernel a moment on a busy machine).
inline bool updateUntilReceived(ISensor& sensor) {
    for (int i = 0; i < 500; ++i) {
        if (sensor.Update()) return true;
        delay(2);
    }
    return false;
}

// A sensor manager with every kind registered and one GDL90 sensor built
// from its configuration section, listening on a free loopback port, with a
// clock the test moves by hand.
class GDL90SensorOverUDP : public testing::Test {
protected:
    void SetUp() override {
        registerSensorKinds(manager);
        manager.setUI(&ui);
        const int index = manager.findSensorFactory("GDL90 compatible device");
        ASSERT_GE(index, 0);
        auto* factory = dynamic_cast<GDL90SensorFactory*>(manager.getSensorFactories()[index]);
        ASSERT_NE(factory, nullptr);
        factory->setClock([this] { return now; });

        port = freePort();
        ASSERT_GT(port, 0);
        ini.set("", "SensorCount", "2");
        for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) ini.set("", "D" + std::to_string(t), "1");
        ini.set("S1", "FactoryIndex", std::to_string(index));
        ini.set("S1", "port", std::to_string(port));
        ini.set("S1", "flavor", "Generic");
        manager.loadSensorSettingsFromIni(&ini, false);
        ASSERT_EQ(manager.getSensorInterfaceCount(), 2);
        sensor = dynamic_cast<GDL90Sensor*>(manager.getSensorInterface(1));
        ASSERT_NE(sensor, nullptr);
        ASSERT_EQ(sensor->getEndpointCount(), 1);
        sender.setUDPTarget(IPv4Address("127.0.0.1", static_cast<unsigned short>(port)));
    }

    void sendMessage(const Bytes& message) { sendRaw(makeGDL90Frame(message)); }
    void sendRaw(const Bytes& bytes) {
        ASSERT_TRUE(sender.send(reinterpret_cast<const char*>(bytes.data()), unsigned(bytes.size())));
    }

    bool updateUntilReceived() { return ::updateUntilReceived(*sensor); }

    template <typename T>
    T* sample(ISensorData::Type type) {
        return static_cast<T*>(manager.getDefaultSensor(type)->getData(type));
    }

    double now = 1000.0;
    SensorManager manager;
    RecordingUI ui;
    IniFile ini;
    int port = 0;
    GDL90Sensor* sensor = nullptr;
    IPv4UDPSocket sender;
};
