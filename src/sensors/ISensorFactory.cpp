#include "sensors/ISensorFactory.h"

#include <algorithm>

bool ISensorFactory::isDataTypeSupported(ISensorData::Type type) {
    const std::vector<ISensorData::Type> types = getSupportedDataTypes();
    return std::find(types.begin(), types.end(), type) != types.end();
}
