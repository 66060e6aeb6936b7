#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "sensors/ISensorForwarder.h"
#include "sensors/recording/ForwardSchedule.h"

class ICommunicationEndpoint;

// Sends every forwarded sensor's samples as forwarding datagrams to another
// instance (or to every host of the network by broadcast).
class UDPForwarder : public ISensorForwarder {
public:
    static constexpr int kDefaultForwardPeriodMs = 20;
    // Fits an Ethernet frame; grows in steps of kBufferGrowth for larger records.
    static constexpr size_t kInitialBufferSize = 1400;
    static constexpr size_t kBufferGrowth = 1024;

    struct Settings {
        bool broadcast = true;
        std::string targetAddress;
        int targetPort = 1991;
        bool ipv6 = false;
    };

    explicit UDPForwarder(const Settings& settings, std::function<uint32_t()> clockMs = nullptr);
    ~UDPForwarder() override;

    void forward(ISensor* sensor) override;
    void setForwardPeriod(int milliseconds) override { schedule.setPeriod(milliseconds); }
    std::string getName() override { return "UDP Forwarder"; }
    void setPause(bool pause) override { schedule.setPause(pause); }

    // Sends the records of the sensor now, whatever the schedule says.
    void send(ISensor* sensor);
    size_t getBufferSize() const { return bufferSize; }
    uint8_t currentSequenceNumber() const;

private:
    bool openSocket();
    void flush();

    Settings settings;
    std::function<uint32_t()> clock;
    ForwardSchedule schedule{kDefaultForwardPeriodMs};
    std::unique_ptr<ICommunicationEndpoint> socket;
    bool socketTried = false;
    std::string datagram;
    size_t bufferSize = kInitialBufferSize;
};

// Keys of the forwarder's section: Broadcast, TargetAddress, TargetPort, Ipv6.
class UDPForwarderFactory : public ISensorForwarderFactory {
public:
    // For the generic settings editor.
    static const char* const SETTINGS_DESCRIPTOR;

    void setup() override {}
    bool loadSetupFromIni(IniFile* ini, const std::string& section) override;
    void saveSetupToIni(IniFile* ini, const std::string& section) override;
    ISensorForwarder* Create() override { return new UDPForwarder(settings); }
    std::string getName() override { return "UDP Forwarder"; }

    const UDPForwarder::Settings& getSettings() const { return settings; }

private:
    UDPForwarder::Settings settings;
};
