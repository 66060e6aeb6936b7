#pragma once
#include <vector>

#include "sensors/ISensor.h"
#include "sensors/SensorSampleTable.h"

// Base of the sensors that keep one sample per supported type for their
// whole life: the questions about samples and types are answered from the
// table.
class ASampleTableSensor : public ISensor {
public:
    ASampleTableSensor(SensorManager& manager, const std::vector<ISensorData::Type>& types) : samples(manager, types) {}

    ISensorData* getData(ISensorData::Type type) override { return samples.get(type); }
    bool isDataTypeSupported(ISensorData::Type type) override { return samples.supports(type); }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return samples.getTypes(); }

protected:
    SensorSampleTable samples;
};
