#include "sensors/NullSensor.h"

namespace {
std::vector<ISensorData::Type> allTypes() {
    std::vector<ISensorData::Type> types;
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) types.push_back(ISensorData::Type(t));
    return types;
}
}  // namespace

NullSensor::NullSensor(SensorManager& manager) : NullSensor(manager, allTypes()) {}

NullSensor::NullSensor(SensorManager& manager, const std::vector<ISensorData::Type>& types)
    : samples(manager, types) {}
