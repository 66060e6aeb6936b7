#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sensors/ASampleTableSensor.h"
#include "sensors/Traffic_Data.h"

class SensorManager;

// Base of the sensors that receive Mode S / ADS-B themselves: the decoder
// keeps its own traffic lists, and every Update copies them into the
// sensor's traffic sample, which the sensor manager and the traffic
// functions read like any GDL90 receiver's.
class ATrafficReceiverSensor : public ASampleTableSensor {
public:
    // clock: seconds of the monotonic clock (getSecs by default).
    ATrafficReceiverSensor(SensorManager& manager, std::function<double()> clock);
    ~ATrafficReceiverSensor() override;

    bool Update() override;
    uint32_t lastTimeUpdated(ISensorData::Type type) override;
    WarningLevel getWarning(ISensorData::Type type) override;

protected:
    // Lets the decoder run; returns how many messages it has accepted so far.
    virtual uint64_t receive(double now) = 0;
    // Calls `take` with every traffic list of the decoder.
    virtual void forEachTrafficList(const std::function<void(const Traffic_Data&)>& take) = 0;
    // True while the receiver delivers (connected, radio present).
    virtual bool isReceiving() const = 0;
    // Own position, so that single position frames decode before a pair arrived.
    virtual void setOwnPosition(double latitude, double longitude) = 0;

    void showMessage(const std::wstring& text, int colour, int durationMs);

    SensorManager& manager;
    std::function<double()> clock;

private:
    void passOwnPosition();
    // Replaces the sample's targets; true when their number changed.
    bool copyTraffic();

    uint64_t messagesSeen = 0;
    uint32_t lastUpdate = 0;
};
