#pragma once
#include <memory>
#include <string>

#include "sdr/ADSB.h"
#include "sdr/ATrafficReceiverSensor.h"
#include "sdr/FrameSources.h"
#include "sensors/ASettingsSensorFactory.h"

// A Mode S receiver on the network that pilots already run (readsb,
// dump1090 and their kin): its frames arrive over TCP in Beast binary or
// AVR text and go through the same decoder and tracking as the radio's.
// A lost connection is retried by the frame source every two seconds.
class NetworkADSBSensor : public ATrafficReceiverSensor {
public:
    enum Format { BEAST = 0, AVR = 1 };
    static constexpr unsigned short kBeastPort = 30005;
    static constexpr unsigned short kAvrPort = 30002;
    static constexpr int kConnectedMessageMs = 5000;

    // port 0: the format's usual port.
    NetworkADSBSensor(SensorManager& manager, std::string host, unsigned short port, Format format,
                      std::function<double()> clock = nullptr);

    std::string getName() override;
    std::wstring getSensorDetails() override;

protected:
    uint64_t receive(double now) override;
    void forEachTrafficList(const std::function<void(const Traffic_Data&)>& take) override { take(adsb.getTraffic()); }
    bool isReceiving() const override { return source.connected(); }
    void setOwnPosition(double latitude, double longitude) override { adsb.setOwnPosition(latitude, longitude); }

private:
    std::string host;
    unsigned short port;
    Format format;
    NetworkFrameSource source;
    ADSB adsb{&source};
    bool wasConnected = false;
};

// kNetworkADSBSensorName: settings host, port (0: 30005 for Beast, 30002
// for AVR) and format.
class NetworkADSBSensorFactory : public ASettingsSensorFactory {
public:
    static const char* const kDescriptor;

    explicit NetworkADSBSensorFactory(SensorManager* manager);
    ISensor* Create() override;
    std::string getName() override;
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return {ISensorData::TRAFFIC}; }
};
