#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sensors/ASettingsSensorFactory.h"
#include "sensors/ASampleTableSensor.h"
#include "sensors/recording/ForwardingRecord.h"

class ASocket;
class SensorManager;

// Receives the forwarding datagrams of another instance and carries their
// samples on unchanged, with the warning level the sender gave them. A type
// not heard from for the time-out reports WRONG.
class UDPSensor : public ASampleTableSensor {
public:
    // Out-of-order records are counted; this many are also logged.
    static constexpr int kLoggedOutOfOrderEvents = 27;

    struct Settings {
        bool ipv6 = false;
        int bindPort = 1991;
        int bufferSize = 1048576;
        int timeOutMs = 500;
    };

    UDPSensor(SensorManager& manager, const Settings& settings, std::function<uint32_t()> clockMs = nullptr);
    ~UDPSensor() override;

    std::string getName() override { return "UDP (forwarded data)"; }
    bool Update() override;
    // Counts the samples of the type received so far.
    uint32_t lastTimeUpdated(ISensorData::Type type) override;
    WarningLevel getWarning(ISensorData::Type type) override;
    std::wstring getSensorDetails() override;

    // Takes the records of one datagram; true when a sample changed.
    bool processDatagram(const char* data, size_t size);
    bool isBound() const { return socket != nullptr; }
    // The port really bound (the system's choice for port 0); -1 when unbound.
    int getBoundPort() const;
    int getOutOfOrderCount() const { return outOfOrderCount; }
    int getChecksumErrorCount() const { return checksumErrors; }

    static std::vector<ISensorData::Type> supportedTypes();

private:
    bool processRecord(const forwarding::Record& record, uint32_t now);

    SensorManager& manager;
    Settings settings;
    std::function<uint32_t()> clock;
    std::unique_ptr<ASocket> socket;
    std::vector<char> receiveBuffer;

    uint32_t updates[ISensorData::TYPE_COUNT] = {};
    uint32_t lastReceived[ISensorData::TYPE_COUNT] = {};
    WarningLevel warnings[ISensorData::TYPE_COUNT];
    bool haveSequence = false;
    uint8_t lastSequence = 0;
    int outOfOrderCount = 0;
    int checksumErrors = 0;
};

// "UDP (forwarded data)".
class UDPSensorFactory : public ASettingsSensorFactory {
public:
    static const char* const NAME;
    static const char* const SETTINGS_DESCRIPTOR;

    explicit UDPSensorFactory(SensorManager* manager);

    ISensor* Create() override;
    std::string getName() override { return NAME; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return UDPSensor::supportedTypes(); }

    UDPSensor::Settings getSensorSettings() const;
};
