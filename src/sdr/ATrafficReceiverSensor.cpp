#include "sdr/ATrafficReceiverSensor.h"

#include "base/Time.h"
#include "sensors/SensorData.h"
#include "sensors/SensorManager.h"
#include "traffic/TrafficTracking.h"

ATrafficReceiverSensor::ATrafficReceiverSensor(SensorManager& m, std::function<double()> c)
    : ASampleTableSensor(m, {ISensorData::TRAFFIC}),
      manager(m),
      clock(c ? std::move(c) : std::function<double()>(getSecs)) {}

ATrafficReceiverSensor::~ATrafficReceiverSensor() { manager.removeMessage(this); }

void ATrafficReceiverSensor::showMessage(const std::wstring& text, int colour, int durationMs) {
    manager.showMessage(this, text, colour, durationMs);
}

void ATrafficReceiverSensor::passOwnPosition() {
    if (!manager.isDataAvailable(ISensorData::POSITION)) return;
    auto* own =
        static_cast<Position_Data*>(manager.getDefaultSensor(ISensorData::POSITION)->getData(ISensorData::POSITION));
    setOwnPosition(own->latitude, own->longitude);
}

bool ATrafficReceiverSensor::copyTraffic() {
    auto* sample = samples.as<Traffic_Data>(ISensorData::TRAFFIC);
    const size_t before = sample->traffic.size();
    sample->clear();
    // Two radios hearing one target: the more complete report stays.
    forEachTrafficList([sample](const Traffic_Data& list) {
        for (const auto& entry : list.traffic) mergeTraffic(sample->traffic, new TrafficElement(*entry.second));
    });
    return sample->traffic.size() != before;
}

bool ATrafficReceiverSensor::Update() {
    passOwnPosition();
    const uint64_t messages = receive(clock());
    const bool heard = messages != messagesSeen;
    messagesSeen = messages;
    // Targets move by dead reckoning and fall silent even without news.
    const bool changed = copyTraffic() || heard;
    if (changed) lastUpdate = getMilliSecs();
    return changed;
}

uint32_t ATrafficReceiverSensor::lastTimeUpdated(ISensorData::Type type) {
    return samples.supports(type) ? lastUpdate : 0;
}

ISensor::WarningLevel ATrafficReceiverSensor::getWarning(ISensorData::Type type) {
    return samples.supports(type) && isReceiving() ? GOOD : WRONG;
}
