#include "sensors/recording/UDPForwarder.h"

#include "base/IniFile.h"
#include "base/Logger.h"
#include "base/StringConversions.h"
#include "base/Time.h"
#include "net/UDPSocket.h"
#include "sensors/recording/ForwardingRecord.h"

UDPForwarder::UDPForwarder(const Settings& forwarderSettings, std::function<uint32_t()> clockMs)
    : settings(forwarderSettings), clock(clockMs ? std::move(clockMs) : std::function<uint32_t()>(getMilliSecs)) {}

UDPForwarder::~UDPForwarder() = default;

// On this platform the network is managed by the system: it counts as ready
// at once, and the socket is made when the first datagram is due.
bool UDPForwarder::openSocket() {
    if (socketTried) return socket != nullptr;
    socketTried = true;
    logMessage("Creating server socket...");
    const unsigned short port = static_cast<unsigned short>(settings.targetPort);
    if (settings.ipv6) {
        auto udp = std::make_unique<IPv6UDPSocket>();
        udp->setUDPTarget(IPv6Address(settings.broadcast ? "ff02::1" : settings.targetAddress, port));
        socket = std::move(udp);
    } else {
        auto udp = std::make_unique<IPv4UDPSocket>();
        udp->setUDPTarget(IPv4Address(settings.broadcast ? "255.255.255.255" : settings.targetAddress, port));
        socket = std::move(udp);
    }
    return true;
}

uint8_t UDPForwarder::currentSequenceNumber() const {
    const int period = schedule.getPeriod();
    return uint8_t(period > 0 ? clock() / uint32_t(period) : clock());
}

void UDPForwarder::forward(ISensor* sensor) {
    if (schedule.isDue(sensor, clock())) send(sensor);
}

void UDPForwarder::send(ISensor* sensor) {
    if (!openSocket()) return;
    const uint8_t sequence = currentSequenceNumber();
    for (ISensorData::Type type : sensor->getSupportedDataTypes()) {
        ISensorData* sample = sensor->getData(type);
        if (!sample) continue;
        int size = 0;
        const void* bytes = sample->serialize(&size);
        const size_t recordSize = forwarding::kHeaderSize + size_t(size);
        if (datagram.size() + recordSize > bufferSize) flush();
        while (recordSize > bufferSize) bufferSize += kBufferGrowth;
        forwarding::appendRecord(datagram, uint32_t(type), uint8_t(sensor->getWarning(type)), sequence, bytes,
                                 uint32_t(size));
    }
    flush();
}

void UDPForwarder::flush() {
    if (!datagram.empty() && socket) socket->send(datagram.data(), unsigned(datagram.size()));
    datagram.clear();
}

const char* const UDPForwarderFactory::SETTINGS_DESCRIPTOR =
    "Broadcast,Use broadcast address,1,BOOLEAN;TargetAddress,Target address (if no broadcast): ,,STRING;"
    "TargetPort,Target port: ,1991,INT;Ipv6,Use Ipv6,0,BOOLEAN;";

bool UDPForwarderFactory::loadSetupFromIni(IniFile* ini, const std::string& section) {
    settings.broadcast = ini->get(section, "Broadcast", "1") != "0";
    settings.targetAddress = ini->get(section, "TargetAddress", "");
    settings.targetPort = convertStringTo<int>(ini->get(section, "TargetPort", "1991"));
    settings.ipv6 = ini->get(section, "Ipv6", "0") == "1";
    return settings.broadcast || !settings.targetAddress.empty();
}

void UDPForwarderFactory::saveSetupToIni(IniFile* ini, const std::string& section) {
    ini->set(section, "Broadcast", settings.broadcast ? "1" : "0");
    ini->set(section, "TargetAddress", settings.targetAddress);
    ini->set(section, "TargetPort", std::to_string(settings.targetPort));
    ini->set(section, "Ipv6", settings.ipv6 ? "1" : "0");
}
