#include "sdr/RTLSDRSensor.h"

#include "base/StringConversions.h"
#include "sdr/ADSB.h"
#include "sdr/RtlSdr.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/SensorKinds.h"

namespace {
constexpr int kFoundMessageMs = 5000;
}

RTLSDRSensor::RTLSDRSensor(SensorManager& m, std::unique_ptr<ISoftwareDefinedRadio> r, std::function<double()> clock)
    : ATrafficReceiverSensor(m, std::move(clock)), radio(std::move(r)), radios(radio.get()) {}

// The radio manager stops its reader threads before the radio goes.
RTLSDRSensor::~RTLSDRSensor() = default;

std::string RTLSDRSensor::getName() { return kRTLSDRSensorName; }

void RTLSDRSensor::search(double now) {
    if (searched && now - lastSearch < kSearchPeriodSeconds) return;
    const bool first = !searched;
    searched = true;
    lastSearch = now;
    if (radios.init()) {
        showMessage(L"RTL-SDR receiver found.", ISensorManagerUI::NORMAL, kFoundMessageMs);
    } else if (first) {
        showMessage(L"No RTL-SDR receiver found.", ISensorManagerUI::WARNING, -1);
    }
}

uint64_t RTLSDRSensor::receive(double now) {
    if (radios.getRadioCount() == 0) search(now);
    radios.Update();
    return radios.messageCount();
}

void RTLSDRSensor::forEachTrafficList(const std::function<void(const Traffic_Data&)>& take) {
    for (int i = 0; i < radios.getRadioCount(); ++i)
        for (int n = 0; n < radios.getReceiverDataTypeCount(i); ++n) {
            ISensorData* data = radios.getReceiverData(i, n);
            if (data && data->getType() == ISensorData::TRAFFIC) take(*static_cast<Traffic_Data*>(data));
        }
}

std::wstring RTLSDRSensor::getSensorDetails() {
    const int count = radios.getRadioCount();
    if (count == 0) return L"No RTL-SDR receiver found.";
    std::string text;
    for (int i = 0; i < count; ++i) text += "Receiver " + std::to_string(i) + ": " + radio->getDescription(i) + "\n";
    return convertUtf8ToWString(text + "Messages: " + std::to_string(radios.messageCount()));
}

RTLSDRSensorFactory::RTLSDRSensorFactory(SensorManager* m, RadioMaker makers) : manager(m), radios(std::move(makers)) {}

std::string RTLSDRSensorFactory::getName() { return kRTLSDRSensorName; }

ISensor* RTLSDRSensorFactory::Create() {
    return new RTLSDRSensor(*manager, radios ? radios() : std::make_unique<RtlSdr>());
}
