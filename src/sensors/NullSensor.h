#pragma once
#include <vector>

#include "sensors/ISensor.h"
#include "sensors/SensorSampleTable.h"

// Stands in wherever no real source is configured: it supplies every type
// with a default sample that never changes, and always reports WRONG.
// Sensors that deliver nothing for other reasons build on it.
class NullSensor : public ISensor {
public:
    explicit NullSensor(SensorManager& manager);

    std::string getName() override { return "NullSensor"; }
    bool Update() override { return false; }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return 0; }
    ISensorData* getData(ISensorData::Type type) override { return samples.get(type); }
    bool isDataTypeSupported(ISensorData::Type type) override { return samples.supports(type); }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return samples.getTypes(); }
    WarningLevel getWarning(ISensorData::Type) override { return WRONG; }
    std::wstring getSensorDetails() override { return L"No sensor configured for this data."; }
    bool isUsableForAutomaticLogging() override { return false; }

protected:
    // Default samples of just these types.
    NullSensor(SensorManager& manager, const std::vector<ISensorData::Type>& types);

private:
    SensorSampleTable samples;
};
