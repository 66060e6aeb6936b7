#pragma once
#include <vector>

#include "sensors/ISensorData.h"

class SensorManager;

// The samples a sensor owns, one per supported type, created through the
// sensor manager's sample factories and kept for the sensor's whole life.
class SensorSampleTable {
public:
    SensorSampleTable(SensorManager& manager, const std::vector<ISensorData::Type>& types);
    ~SensorSampleTable();
    SensorSampleTable(const SensorSampleTable&) = delete;
    SensorSampleTable& operator=(const SensorSampleTable&) = delete;

    // Null for types the table does not hold (or out of range).
    ISensorData* get(ISensorData::Type type) const;
    template <typename Sample>
    Sample* as(ISensorData::Type type) const {
        return static_cast<Sample*>(get(type));
    }
    bool supports(ISensorData::Type type) const { return get(type) != nullptr; }
    const std::vector<ISensorData::Type>& getTypes() const { return types; }

private:
    std::vector<ISensorData::Type> types;
    ISensorData* samples[ISensorData::TYPE_COUNT] = {};
};
