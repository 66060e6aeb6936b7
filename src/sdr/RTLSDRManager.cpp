#include "sdr/RTLSDRManager.h"

#include "base/Logger.h"
#include "sdr/ADSB.h"

RTLSDRManager::RTLSDRManager(ISoftwareDefinedRadio* radio) : radio(radio) {}

RTLSDRManager::~RTLSDRManager() = default;

bool RTLSDRManager::init() {
    if (!radio || !radio->init()) return false;
    radioCount = radio->getDeviceCount();
    for (int i = 0; i < radioCount; ++i) {
        logMessage("SDR " + std::to_string(i) + ": " + radio->getDescription(i));
        setUsedReceiverCapability(i, ADSB_1090, ADSB::kFrequencyHz);
    }
    return radioCount > 0;
}

void RTLSDRManager::Update() {
    for (auto& entry : receivers)
        if (entry.second.task) entry.second.task->Update();
}

std::vector<int> RTLSDRManager::getReceiverCapabilities(int index) const {
    if (index < 0 || index >= radioCount) return {};
    return {ADSB_1090};
}

bool RTLSDRManager::setUsedReceiverCapability(int index, int capability, uint32_t frequency) {
    if (index < 0 || index >= radioCount || capability != ADSB_1090) return false;
    Receiver& r = receivers[index];
    if (r.capability == capability && r.task) return true;
    r.task.reset();  // stops the previous task's reader first
    r.capability = capability;
    r.frequency = frequency;
    r.task = std::make_unique<ADSB>(radio, index);
    return true;
}

int RTLSDRManager::getUsedCapability(int index) const {
    auto it = receivers.find(index);
    return it == receivers.end() ? -1 : it->second.capability;
}

uint32_t RTLSDRManager::getUsedFrequency(int index) const {
    auto it = receivers.find(index);
    return it == receivers.end() ? 0 : it->second.frequency;
}

int RTLSDRManager::getReceiverDataTypeCount(int index) const {
    auto it = receivers.find(index);
    return it == receivers.end() || !it->second.task ? 0 : it->second.task->getDataCount();
}

void RTLSDRManager::setOwnPosition(double latitude, double longitude) {
    for (auto& entry : receivers)
        if (auto* adsb = dynamic_cast<ADSB*>(entry.second.task.get())) adsb->setOwnPosition(latitude, longitude);
}

ISensorData* RTLSDRManager::getReceiverData(int index, int n) {
    auto it = receivers.find(index);
    return it == receivers.end() || !it->second.task ? nullptr : it->second.task->getData(n);
}

uint64_t RTLSDRManager::messageCount() const {
    uint64_t count = 0;
    for (const auto& entry : receivers)
        if (const auto* adsb = dynamic_cast<const ADSB*>(entry.second.task.get())) count += adsb->stats().messages;
    return count;
}
