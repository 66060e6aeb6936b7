#pragma once
#include <memory>

#include "sdr/ATrafficReceiverSensor.h"
#include "sdr/RTLSDRManager.h"
#include "sensors/ISensorFactory.h"

// Traffic received by the RTL-SDR sticks plugged into this computer: the
// sensor owns the radio manager, updates it every frame and reads the
// traffic of its receivers. Without a stick it says so and looks again
// from time to time, so one plugged in later is found.
class RTLSDRSensor : public ATrafficReceiverSensor {
public:
    static constexpr double kSearchPeriodSeconds = 10.0;

    // radio: the device layer (RtlSdr, or a stand-in).
    RTLSDRSensor(SensorManager& manager, std::unique_ptr<ISoftwareDefinedRadio> radio,
                 std::function<double()> clock = nullptr);
    ~RTLSDRSensor() override;

    std::string getName() override;
    std::wstring getSensorDetails() override;

protected:
    uint64_t receive(double now) override;
    void forEachTrafficList(const std::function<void(const Traffic_Data&)>& take) override;
    bool isReceiving() const override { return radios.getRadioCount() > 0; }
    void setOwnPosition(double latitude, double longitude) override { radios.setOwnPosition(latitude, longitude); }

private:
    void search(double now);

    std::unique_ptr<ISoftwareDefinedRadio> radio;
    RTLSDRManager radios;
    double lastSearch = 0;
    bool searched = false;
};

// kRTLSDRSensorName, without settings.
class RTLSDRSensorFactory : public NoSetupGUISensorFactory {
public:
    using RadioMaker = std::function<std::unique_ptr<ISoftwareDefinedRadio>()>;

    // radios: makes the device layer; librtlsdr when empty.
    explicit RTLSDRSensorFactory(SensorManager* manager, RadioMaker radios = {});
    ISensor* Create() override;
    std::string getName() override;
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return {ISensorData::TRAFFIC}; }

private:
    SensorManager* manager;
    RadioMaker radios;
};
