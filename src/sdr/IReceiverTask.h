#pragma once
#include "sensors/ISensorData.h"

// A job a receiver does with its radio (ADS-B decoding, for one). The radio
// manager updates it once per frame from the main loop and hands its
// samples to the sensor side.
class IReceiverTask {
public:
    virtual ~IReceiverTask() = default;
    virtual void Update() = 0;
    // The sample type the task produces (ISensorData::Type).
    virtual int getType() const = 0;
    virtual int getDataCount() const { return 1; }
    virtual ISensorData* getData(int n) = 0;
};
