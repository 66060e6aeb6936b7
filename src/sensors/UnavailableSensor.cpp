#include "sensors/UnavailableSensor.h"

#include "base/Logger.h"
#include "base/StringConversions.h"

UnavailableSensor::UnavailableSensor(SensorManager& manager, std::string kindName,
                                     const std::vector<ISensorData::Type>& types)
    : NullSensor(manager, types), name(std::move(kindName)) {}

std::wstring UnavailableSensor::getSensorDetails() {
    return convertUtf8ToWString(name) +
           L"\nThis sensor kind is not available in this version of Cirrona.\n"
           L"It delivers no data; its settings are kept for a version that has it.";
}

UnavailableSensorFactory::UnavailableSensorFactory(SensorManager* sensorManager, std::string kindName,
                                                   std::vector<ISensorData::Type> kindTypes)
    : manager(sensorManager), name(std::move(kindName)), types(std::move(kindTypes)) {}

ISensor* UnavailableSensorFactory::Create() {
    logMessage(name + ": this sensor kind is not available in this version; it delivers no data.");
    return new UnavailableSensor(*manager, name, types);
}

bool UnavailableForwarderFactory::loadSetupFromIni(IniFile*, const std::string& section) {
    logMessage(name + " (" + section + "): this forwarder kind is not available in this version.");
    return false;
}
