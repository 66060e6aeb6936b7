#include "sdr/NetworkADSBSensor.h"

#include "base/StringConversions.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/SensorKinds.h"

namespace {
std::unique_ptr<IFrameParser> parserFor(NetworkADSBSensor::Format format) {
    if (format == NetworkADSBSensor::AVR) return std::make_unique<AvrParser>();
    return std::make_unique<BeastParser>();
}

unsigned short portFor(unsigned short port, NetworkADSBSensor::Format format) {
    if (port != 0) return port;
    return format == NetworkADSBSensor::AVR ? NetworkADSBSensor::kAvrPort : NetworkADSBSensor::kBeastPort;
}
}  // namespace

NetworkADSBSensor::NetworkADSBSensor(SensorManager& m, std::string hostName, unsigned short portNumber, Format f,
                                     std::function<double()> clock)
    : ATrafficReceiverSensor(m, std::move(clock)),
      host(std::move(hostName)),
      port(portFor(portNumber, f)),
      format(f),
      source(host, port, parserFor(f)) {}

std::string NetworkADSBSensor::getName() { return kNetworkADSBSensorName; }

uint64_t NetworkADSBSensor::receive(double now) {
    adsb.update(now);
    if (source.connected() != wasConnected) {
        wasConnected = source.connected();
        if (wasConnected) showMessage(L"ADS-B receiver connected.", ISensorManagerUI::NORMAL, kConnectedMessageMs);
        else showMessage(L"ADS-B receiver: connection lost.", ISensorManagerUI::WARNING, -1);
    }
    return adsb.stats().messages;
}

std::wstring NetworkADSBSensor::getSensorDetails() {
    const ADSB::Stats& s = adsb.stats();
    return convertUtf8ToWString(std::string(format == AVR ? "AVR" : "Beast") + " receiver at " + host + ":" +
                                std::to_string(port) + "\n" + (source.connected() ? "Connected" : "Not connected") +
                                "\nMessages: " + std::to_string(s.messages) + ", bad CRC: " + std::to_string(s.badCrc) +
                                "\nTargets: " + std::to_string(adsb.getTraffic().traffic.size()));
}

const char* const NetworkADSBSensorFactory::kDescriptor =
    "host,Host:,127.0.0.1,STRING;"
    "port,Port (TCP) - 0: 30005 for Beast or 30002 for AVR:,0,INT;"
    "format,Format:,Beast\\;AVR,ONE_OF;";

NetworkADSBSensorFactory::NetworkADSBSensorFactory(SensorManager* m) : ASettingsSensorFactory(m, kDescriptor) {}

std::string NetworkADSBSensorFactory::getName() { return kNetworkADSBSensorName; }

ISensor* NetworkADSBSensorFactory::Create() {
    const int port = getInt("port");
    const auto format = getString("format") == "AVR" ? NetworkADSBSensor::AVR : NetworkADSBSensor::BEAST;
    return new NetworkADSBSensor(*manager, getString("host"), port > 0 && port < 65536 ? port : 0, format);
}
