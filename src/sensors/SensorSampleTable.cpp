#include "sensors/SensorSampleTable.h"

#include "sensors/SensorManager.h"

SensorSampleTable::SensorSampleTable(SensorManager& manager, const std::vector<ISensorData::Type>& wanted) {
    for (ISensorData::Type type : wanted) {
        if (type < 0 || type >= ISensorData::TYPE_COUNT || samples[type]) continue;
        samples[type] = manager.createSensorData(type);
        if (samples[type]) types.push_back(type);
    }
}

SensorSampleTable::~SensorSampleTable() {
    for (ISensorData* sample : samples) delete sample;
}

ISensorData* SensorSampleTable::get(ISensorData::Type type) const {
    if (type < 0 || type >= ISensorData::TYPE_COUNT) return nullptr;
    return samples[type];
}
