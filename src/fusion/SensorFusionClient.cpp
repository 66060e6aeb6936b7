#include "fusion/SensorFusionClient.h"

#include <cstring>
#include <utility>

#include "base/Time.h"
#include "fusion/PilotMessages.h"
#include "net/UDPSocket.h"
#include "sensors/SensorData.h"

namespace {
constexpr size_t kHeaderSize = 15;
constexpr size_t kMaxDatagram = 65536;

uint32_t readU32(const char* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);  // little-endian hosts only, as every record
    return v;
}

// Deserialises into `sample` when the record has the sample's own length.
template <class Sample>
bool take(Sample& sample, const char* payload, uint32_t length) {
    int size = 0;
    Sample probe;
    probe.serialize(&size);
    return uint32_t(size) == length && sample.deserialize(payload, int(length));
}
}  // namespace

SensorFusionClient::SensorFusionClient(int p, AttitudeFusion::MessageSink sink, std::function<uint32_t()> c)
    : port(p), messages(std::move(sink)), clock(c ? std::move(c) : std::function<uint32_t()>(getMilliSecs)) {
    for (auto& level : output.levels) level = ISensor::WRONG;
}

SensorFusionClient::~SensorFusionClient() = default;

void SensorFusionClient::say(const std::string& text) {
    if (messages) messages(text);
    PilotMessage forPilot;
    if (toPilotMessage(text, forPilot)) pilotMessages.push_back(text);
}

std::vector<std::string> SensorFusionClient::takeMessages() { return std::exchange(pilotMessages, {}); }

int SensorFusionClient::getBoundPort() const { return socket ? socket->getBoundPort() : -1; }

bool SensorFusionClient::start() {
    socket = std::make_unique<IPv4UDPSocket>();
    if (!socket->bind(port, false)) {
        say("SensorFusionClient: Bind UDP Socket failed.");
        socket.reset();
        return false;
    }
    return true;
}

void SensorFusionClient::shutdown() { socket.reset(); }

bool SensorFusionClient::applyRecord(uint32_t type, const char* payload, uint32_t length, int warning) {
    bool ok = false;
    switch (type) {
    case ISensorData::ATTITUDE: {
        Attitude_Data a;
        if ((ok = take(a, payload, length))) {
            output.attitude = a.orientation;
            output.euler = rotation::toEulerDegrees(a.orientation);
        }
        break;
    }
    case ISensorData::GPS:
        if ((ok = take(output.gps, payload, length))) output.gpsValid = output.gps.positionAvail;
        break;
    case ISensorData::ACCELERATION: {
        Acceleration_Data a;
        if ((ok = take(a, payload, length))) output.bodyAcc = Vector3d(a.x, a.y, a.z);
        break;
    }
    case ISensorData::TURNRATE: {
        TurnRate_Data r;
        if ((ok = take(r, payload, length))) output.turnRate = r.turnRate;
        break;
    }
    case ISensorData::VERTICALSPEED: {
        VerticalSpeed_Data v;
        if ((ok = take(v, payload, length))) output.verticalSpeed = v.verticalSpeed;
        break;
    }
    default:
        return false;
    }
    if (ok) output.levels[type] = ISensor::WarningLevel(std::min(warning, int(ISensor::WRONG)));
    return ok;
}

int SensorFusionClient::applyDatagram(const char* data, size_t size) {
    int valid = 0;
    size_t at = 0;
    while (at + kHeaderSize <= size && std::memcmp(data + at, "SDat", 4) == 0) {
        const uint32_t type = readU32(data + at + 4), length = readU32(data + at + 8);
        if (length > size - at - kHeaderSize) break;
        unsigned sum = 0;
        for (size_t i = 0; i < kHeaderSize + length; ++i)
            if (i != 12) sum += uint8_t(data[at + i]);
        if (uint8_t(sum) == uint8_t(data[at + 12]) &&
            applyRecord(type, data + at + kHeaderSize, length, uint8_t(data[at + 13])))
            ++valid;
        at += kHeaderSize + length;
    }
    return valid;
}

bool SensorFusionClient::takeOutput(FusionOutput& out) {
    const uint32_t now = clock();
    if (socket) {
        std::vector<char> buffer(kMaxDatagram);
        for (int n; (n = socket->recv(buffer.data(), unsigned(buffer.size()))) > 0;) {
            if (applyDatagram(buffer.data(), size_t(n)) == 0) continue;
            fresh = true;
            lastRecordMs = now;
            if (!connected) say("External ProbeUnit connected.");
            connected = true;
        }
    }
    if (connected && TimeDiff(now, lastRecordMs) > kTimeoutMs) {
        connected = false;
        say("External Probeunit: DISCONNECTED");
        for (auto& level : output.levels) level = ISensor::WRONG;
        output.gpsValid = false;
        fresh = true;
    }
    if (!fresh) return false;
    output.warning = output.levels[ISensorData::ATTITUDE];
    output.strategy = -1;
    out = output;
    fresh = false;
    return true;
}
