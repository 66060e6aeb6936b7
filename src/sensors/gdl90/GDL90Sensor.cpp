#include "sensors/gdl90/GDL90Sensor.h"

#include "base/Time.h"
#include "net/IPAddress.h"
#include "net/Serial.h"
#include "net/TCPSocket.h"
#include "net/UDPSocket.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/SensorData.h"
#include "sensors/SensorManager.h"

#include <cerrno>
#include <cstring>
#include <sstream>

namespace {
const int RECEIVE_BUFFER_SIZE = 65536;
const int TALOS_UDP_PORT = 5001;
const int TALOS_TCP_PORT = 8081;
const int TALOS_TCP_BACKLOG = 10;
const char* const LEVIL_ADDRESS = "192.168.1.1";
const unsigned short LEVIL_PORT = 2000;
const int CONNECTED_MESSAGE_MS = 10000;

std::wstring widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// What the pilot reads when a port cannot be had, e.g. "GDL90: cannot listen
// on UDP port 4000 (address in use)."
std::wstring cannotListenText(const char* protocol, int port, int error) {
    std::string reason;
    if (error == EADDRINUSE) {
        reason = " (address in use)";
    } else if (error == EACCES) {
        reason = " (permission denied)";
    } else if (error != 0) {
        reason = std::string(" (") + std::strerror(error) + ")";
    }
    return widen(std::string("GDL90: cannot listen on ") + protocol + " port " + std::to_string(port) + reason + ".");
}

void addProblem(std::wstring& problems, const std::wstring& text) {
    if (!problems.empty()) problems += L" ";
    problems += text;
}

// The port is bound for this sensor alone: sharing it (SO_REUSEPORT) would
// split the device's datagrams between the listeners, and each would lose
// traffic without a word.
std::unique_ptr<IPv6UDPSocket> openDualStackUDP(int port, std::wstring& problems) {
    auto socket = std::make_unique<IPv6UDPSocket>();
    socket->setIPv4ReceptionEnabled(true);
    if (socket->bind(port, false)) return socket;
    addProblem(problems, cannotListenText("UDP", port, socket->getBindError()));
    return nullptr;
}
}  // namespace

const char* const GDL90Sensor::FLAVOR_NAMES[5] = {"Generic", "Talos", "Levil", "PilotAware", "uAvionix"};

GDL90Sensor::Flavor GDL90Sensor::flavorFromName(const std::string& name) {
    for (int i = 0; i < 5; ++i) {
        if (name == FLAVOR_NAMES[i]) return static_cast<Flavor>(i);
    }
    return Generic;
}

std::vector<ISensorData::Type> GDL90Sensor::supportedTypes() {
    return {ISensorData::GPS,           ISensorData::ATTITUDE,           ISensorData::HEADING,
            ISensorData::ACCELERATION,  ISensorData::POSITION,           ISensorData::ALTITUDE,
            ISensorData::GROUNDSPEED,   ISensorData::VERTICALSPEED,      ISensorData::TURNRATE,
            ISensorData::AIRSPEED,      ISensorData::INSIDE_PRESSURE,    ISensorData::OUTSIDE_PRESSURE,
            ISensorData::INSIDE_TEMPERATURE, ISensorData::OUTSIDE_TEMPERATURE, ISensorData::TRAFFIC,
            ISensorData::UAT_UPLINK,    ISensorData::ANGLE_OF_ATTACK,    ISensorData::EXTENDED_HEADING};
}

GDL90Sensor::GDL90Sensor(SensorManager& sensorManager, const Settings& sensorSettings, std::function<double()> secs)
    : manager(sensorManager),
      settings(sensorSettings),
      clock(secs ? std::move(secs) : std::function<double()>(getSecs)),
      receiveBuffer(RECEIVE_BUFFER_SIZE),
      samples(sensorManager, supportedTypes()) {
    for (WarningLevel& w : warnings) w = WRONG;
    if (auto* acceleration = samples.as<Acceleration_Data>(ISensorData::ACCELERATION)) {
        acceleration->x = 0;
        acceleration->y = -9.81;
        acceleration->z = 0;
    }
    if (auto* outside = samples.as<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE)) outside->inside = false;
    if (auto* outside = samples.as<Temperature_Data>(ISensorData::OUTSIDE_TEMPERATURE)) outside->inside = false;
    openEndpoints();
}

GDL90Sensor::~GDL90Sensor() = default;

void GDL90Sensor::openEndpoints() {
    if (settings.useSerial) {
        source = SERIAL;
        auto serial = std::make_unique<Serial>();
        if (serial->open(settings.baudRate, settings.deviceNode)) {
            endpoints.push_back(std::make_unique<Endpoint>());
            endpoints.back()->link = std::move(serial);
        } else {
            manager.showMessage(this, L"Error while opening the device node.", ISensorManagerUI::WARNING, -1);
        }
        return;
    }
    source = UDP;
    std::wstring problems;
    if (auto udp = openDualStackUDP(settings.port, problems)) {
        endpoints.push_back(std::make_unique<Endpoint>());
        endpoints.back()->link = std::move(udp);
    }
    if (settings.flavor == Talos) {
        if (auto udp = openDualStackUDP(TALOS_UDP_PORT, problems)) {
            endpoints.push_back(std::make_unique<Endpoint>());
            endpoints.back()->link = std::move(udp);
        }
        talosListener = std::make_unique<IPv6TCPSocket>();
        talosListener->setIPv4ReceptionEnabled(true);
        if (!talosListener->bind(TALOS_TCP_PORT, false) || !talosListener->listen(TALOS_TCP_BACKLOG)) {
            talosListener.reset();
            addProblem(problems, cannotListenText("TCP", TALOS_TCP_PORT, 0));
        }
    } else if (settings.flavor == Levil) {
        auto sender = std::make_unique<IPv4UDPSocket>();
        sender->setUDPTarget(IPv4Address(LEVIL_ADDRESS, LEVIL_PORT));
        levilSender = sender.get();
        endpoints.push_back(std::make_unique<Endpoint>());
        endpoints.back()->link = std::move(sender);
    }
    if (!problems.empty()) manager.showMessage(this, problems, ISensorManagerUI::WARNING, -1);
}

int GDL90Sensor::getEndpointCount() const { return static_cast<int>(endpoints.size()); }

std::string GDL90Sensor::getName() { return std::string("GDL90 (") + FLAVOR_NAMES[settings.flavor] + ")"; }

bool GDL90Sensor::Update() {
    const double now = clock();
    for (bool& flag : updated) flag = false;
    if (auto* uplink = samples.as<UATUplink_Data>(ISensorData::UAT_UPLINK)) uplink->packages.clear();

    bool received = false;
    for (auto& endpoint : endpoints) received |= drainEndpoint(*endpoint, now);
    if (talosListener) acceptTalosConnection();
    if (received) updateDataExceptTrafficAndUAT(now);
    updateConnectionState(received, now);
    handleAutopilotPackages();
    expireTraffic(now);
    return received;
}

bool GDL90Sensor::drainEndpoint(Endpoint& endpoint, double now) {
    bool received = false;
    for (;;) {
        const int count = endpoint.link->recv(receiveBuffer.data(), static_cast<unsigned>(receiveBuffer.size()));
        if (count <= 0) break;
        if (!received) updateConnectionState(true, now);
        received = true;
        for (int i = 0; i < count; ++i) {
            if (endpoint.parser.parse(static_cast<unsigned char>(receiveBuffer[i]))) {
                processReceivedGDL90Message(endpoint.parser.createParsedMessage(), now);
            }
        }
    }
    return received;
}

void GDL90Sensor::acceptTalosConnection() {
    std::unique_ptr<IPv6TCPSocket> connection = talosListener->accept(0);
    if (!connection) return;
    // The newest connection replaces the previous one as the third endpoint.
    const size_t streamIndex = 2;
    auto endpoint = std::make_unique<Endpoint>();
    endpoint->link = std::move(connection);
    if (endpoints.size() > streamIndex) {
        endpoints[streamIndex] = std::move(endpoint);
    } else {
        endpoints.push_back(std::move(endpoint));
    }
}

void GDL90Sensor::updateConnectionState(bool received, double now) {
    if (received) {
        lastByteTime = now;
        if (!connected) {
            connected = true;
            manager.showMessage(this, L"Connection established.", ISensorManagerUI::NORMAL, CONNECTED_MESSAGE_MS);
        }
    } else if (connected && now - lastByteTime > CONNECTION_TIMEOUT) {
        connected = false;
        manager.showMessage(this, L"Connection lost.", ISensorManagerUI::WARNING, -1);
    }
}

void GDL90Sensor::expireTraffic(double now) {
    auto* traffic = samples.as<Traffic_Data>(ISensorData::TRAFFIC);
    for (auto it = trafficLastHeard.begin(); it != trafficLastHeard.end();) {
        if (now - it->second > TRAFFIC_TIMEOUT) {
            if (traffic) {
                auto element = traffic->traffic.find(it->first);
                if (element != traffic->traffic.end()) {
                    delete element->second;
                    traffic->traffic.erase(element);
                }
            }
            it = trafficLastHeard.erase(it);
        } else {
            ++it;
        }
    }
}

uint32_t GDL90Sensor::lastTimeUpdated(ISensorData::Type type) {
    if (type < 0 || type >= ISensorData::TYPE_COUNT) return 0;
    return updated[type] ? 1 : 0;
}

ISensor::WarningLevel GDL90Sensor::getWarning(ISensorData::Type type) {
    if (!connected || type < 0 || type >= ISensorData::TYPE_COUNT) return WRONG;
    return warnings[type];
}

const IGDL90Message* GDL90Sensor::getStoredMessage(IGDL90Message::Type type) const {
    if (type < 0 || type >= IGDL90Message::TYPE_COUNT) return nullptr;
    return stored[type].message.get();
}

void GDL90Sensor::setCalibration(double rollOffsetDegrees, double pitchOffsetDegrees) {
    rollOffset = rollOffsetDegrees;
    pitchOffset = pitchOffsetDegrees;
}

bool GDL90Sensor::getAttitudeDegrees(double& roll, double& pitch) const {
    roll = lastRoll;
    pitch = lastPitch;
    return haveLastAttitude;
}

bool GDL90Sensor::sendToAutopilot(const std::string& sentence) {
    if (!levilSender) return false;
    return levilSender->send(sentence.data(), static_cast<unsigned>(sentence.size()));
}

std::wstring GDL90Sensor::getCalibLabelOverride() {
    return settings.flavor == Talos ? L"Please use the free Talos A-EFIS app for calibration." : L"";
}

std::wstring GDL90Sensor::getSensorDetails() {
    std::wostringstream out;
    out << L"Flavor: " << widen(FLAVOR_NAMES[settings.flavor]) << L"\n";
    if (source == SERIAL) {
        out << L"Serial port: " << widen(settings.deviceNode) << L" at " << settings.baudRate << L" baud\n";
    } else {
        out << L"UDP port: " << settings.port << L"\n";
    }
    out << (connected ? L"Connected" : L"Not connected") << L"\n";
    if (const auto* id = static_cast<const FFIdMessage*>(getStoredMessage(IGDL90Message::FFID))) {
        out << L"Device: " << widen(id->deviceName) << L" (" << widen(id->deviceLongName) << L")\n";
        if (id->serialNumberValid) out << L"Serial number: " << id->serialNumber << L"\n";
    }
    const double now = clock();
    for (int t = 0; t < IGDL90Message::UNKNOWN; ++t) {
        const StoredMessage& s = stored[t];
        if (!s.message) continue;
        out << widen(IGDL90Message::type2Name(static_cast<IGDL90Message::Type>(t))) << L": "
            << static_cast<int>((now - s.receivedAt) * 10) / 10.0 << L" s ago\n";
    }
    return out.str();
}
