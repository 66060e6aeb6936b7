#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "fusion/ISensorFusion.h"

class IPv4UDPSocket;

// The external sensor unit (configuration mode PROBEUNIT): a device that
// fuses on its own (for instance a second instance of this program on a
// small board with an IMU) and sends its samples as forwarding datagrams:
// records of "SDat", type (u32), length (u32), checksum (u8, the byte sum of
// the rest of the record), warning level (u8), sequence (u8) and the
// sample's own record. The client listens on a UDP port and takes the
// attitude, heading, acceleration, turn rate, vertical speed and GNSS
// samples from them; the unit counts as disconnected after two seconds of
// silence.
class SensorFusionClient : public ISensorFusion {
public:
    static constexpr int kDefaultPort = 1991;
    static constexpr uint32_t kTimeoutMs = 2000;

    SensorFusionClient(int port, AttitudeFusion::MessageSink messages, std::function<uint32_t()> clock = {});
    ~SensorFusionClient() override;

    bool start() override;
    void shutdown() override;
    bool takeOutput(FusionOutput& out) override;
    std::vector<std::string> takeMessages() override;
    bool isConnected() override { return connected; }
    int getBoundPort() const;

    // Applies the records of one datagram; returns how many were valid.
    int applyDatagram(const char* data, size_t size);

private:
    void say(const std::string& text);
    bool applyRecord(uint32_t type, const char* payload, uint32_t length, int warning);

    int port;
    AttitudeFusion::MessageSink messages;
    std::function<uint32_t()> clock;
    std::unique_ptr<IPv4UDPSocket> socket;
    FusionOutput output;
    bool fresh = false, connected = false;
    uint32_t lastRecordMs = 0;
    std::vector<std::string> pilotMessages;
};
