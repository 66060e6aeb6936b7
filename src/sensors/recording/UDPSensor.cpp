#include "sensors/recording/UDPSensor.h"

#include <iostream>

#include "base/Logger.h"
#include "base/Time.h"
#include "net/UDPSocket.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/SensorManager.h"
#include "sensors/recording/LogFileSensor.h"

namespace {
const size_t kReceiveBufferSize = 65536;
}

std::vector<ISensorData::Type> UDPSensor::supportedTypes() { return LogFileSensor::supportedTypes(); }

UDPSensor::UDPSensor(SensorManager& sensorManager, const Settings& sensorSettings, std::function<uint32_t()> clockMs)
    : ASampleTableSensor(sensorManager, supportedTypes()),
      manager(sensorManager),
      settings(sensorSettings),
      clock(clockMs ? std::move(clockMs) : std::function<uint32_t()>(getMilliSecs)),
      receiveBuffer(kReceiveBufferSize) {
    for (WarningLevel& w : warnings) w = WRONG;
    std::unique_ptr<ASocket> udp;
    if (settings.ipv6) {
        auto v6 = std::make_unique<IPv6UDPSocket>();
        v6->setIPv4ReceptionEnabled(true);
        udp = std::move(v6);
    } else {
        udp = std::make_unique<IPv4UDPSocket>();
    }
    // Shared with other listeners of the port (a second screen on the same
    // computer) through SO_REUSEPORT, as broadcasts reach each of them.
    if (udp->bind(settings.bindPort, true)) {
        if (settings.bufferSize > 0) udp->setReceiveBufferSize(unsigned(settings.bufferSize));
        socket = std::move(udp);
    } else {
        manager.showMessage(this, L"UDP: cannot listen on port " + std::to_wstring(settings.bindPort) + L".",
                            ISensorManagerUI::WARNING, -1);
    }
}

UDPSensor::~UDPSensor() { manager.removeMessage(this); }

int UDPSensor::getBoundPort() const { return socket ? socket->getBoundPort() : -1; }

uint32_t UDPSensor::lastTimeUpdated(ISensorData::Type type) {
    return type >= 0 && type < ISensorData::TYPE_COUNT ? updates[type] : 0;
}

ISensor::WarningLevel UDPSensor::getWarning(ISensorData::Type type) {
    if (type < 0 || type >= ISensorData::TYPE_COUNT || updates[type] == 0) return WRONG;
    if (TimeDiff(clock(), lastReceived[type]) > uint32_t(settings.timeOutMs)) return WRONG;
    return warnings[type];
}

std::wstring UDPSensor::getSensorDetails() {
    return L"UDP port " + std::to_wstring(settings.bindPort) + (socket ? L"" : L" (not bound)") + L"\nOut of order: " +
           std::to_wstring(outOfOrderCount) + L"\nWrong checksums: " + std::to_wstring(checksumErrors);
}

bool UDPSensor::Update() {
    if (!socket) return false;
    bool changed = false;
    for (;;) {
        const int count = socket->recv(receiveBuffer.data(), unsigned(receiveBuffer.size()));
        if (count <= 0) break;
        changed |= processDatagram(receiveBuffer.data(), size_t(count));
    }
    return changed;
}

bool UDPSensor::processDatagram(const char* data, size_t size) {
    const uint32_t now = clock();
    bool changed = false;
    forwarding::splitDatagram(data, size, [&](const forwarding::Record& r) { changed |= processRecord(r, now); });
    return changed;
}

bool UDPSensor::processRecord(const forwarding::Record& record, uint32_t now) {
    // Out-of-order data is still the newest of its kind that we have: it is
    // counted for the sensor details and taken.
    if (haveSequence && !forwarding::isSequenceInOrder(lastSequence, record.sequence)) {
        ++outOfOrderCount;
        if (outOfOrderCount <= kLoggedOutOfOrderEvents)
            logMessage("UDPSensor: sequence out of order: newSeqNr=" + std::to_string(record.sequence) +
                       " oldSeqNr=" + std::to_string(lastSequence) +
                       " Diff=" + std::to_string(int(record.sequence) - int(lastSequence)) +
                       " Counter=" + std::to_string(outOfOrderCount));
    }
    haveSequence = true;
    lastSequence = record.sequence;
    if (!record.checksumOk) {
        ++checksumErrors;
        std::cout << "Wrong checksum" << std::endl;
        return false;
    }
    if (record.type >= uint32_t(ISensorData::TYPE_COUNT)) return false;
    const auto type = ISensorData::Type(record.type);
    ISensorData* sample = samples.get(type);
    if (!sample || !sample->deserialize(record.payload, int(record.length))) return false;
    warnings[type] = record.warning <= MAYBE_WRONG ? WarningLevel(record.warning) : WRONG;
    lastReceived[type] = now;
    ++updates[type];
    return true;
}

const char* const UDPSensorFactory::NAME = "UDP (forwarded data)";
const char* const UDPSensorFactory::SETTINGS_DESCRIPTOR =
    "ipv6,Use IPv6,0,BOOLEAN;bindPort,Bind to port:,1991,INT;bufferSize,Buffer Size:,1048576,INT;"
    "timeOut,Timeout (milliseconds):,500,INT;";

UDPSensorFactory::UDPSensorFactory(SensorManager* manager) : ASettingsSensorFactory(manager, SETTINGS_DESCRIPTOR) {}

UDPSensor::Settings UDPSensorFactory::getSensorSettings() const {
    UDPSensor::Settings s;
    s.ipv6 = getInt("ipv6") != 0;
    s.bindPort = getInt("bindPort");
    s.bufferSize = getInt("bufferSize");
    s.timeOutMs = getInt("timeOut");
    return s;
}

ISensor* UDPSensorFactory::Create() { return new UDPSensor(*manager, getSensorSettings()); }
