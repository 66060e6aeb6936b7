#pragma once
#include <string>
#include <vector>

#include "sensors/ISensorFactory.h"
#include "sensors/ISensorForwarder.h"
#include "sensors/NullSensor.h"

// Holds the place of a registered sensor kind whose driver this build does
// not contain yet. The kind keeps its persisted index and its configuration
// section; the sensor says plainly that it delivers nothing, keeps default
// samples of the types the kind will supply and reports WRONG for all.
class UnavailableSensor : public NullSensor {
public:
    UnavailableSensor(SensorManager& manager, std::string kindName, const std::vector<ISensorData::Type>& types);

    std::string getName() override { return name; }
    std::wstring getSensorDetails() override;

private:
    std::string name;
};

class UnavailableSensorFactory : public NoSetupGUISensorFactory {
public:
    UnavailableSensorFactory(SensorManager* manager, std::string kindName, std::vector<ISensorData::Type> types);

    ISensor* Create() override;
    std::string getName() override { return name; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return types; }

private:
    SensorManager* manager;
    std::string name;
    std::vector<ISensorData::Type> types;
};

// The same for a forwarder kind: its sections load as "not usable", so no
// forwarder is created, and the reason is logged once per load.
class UnavailableForwarderFactory : public ISensorForwarderFactory {
public:
    explicit UnavailableForwarderFactory(std::string kindName) : name(std::move(kindName)) {}

    void setup() override {}
    bool loadSetupFromIni(IniFile* ini, const std::string& section) override;
    void saveSetupToIni(IniFile*, const std::string&) override {}
    ISensorForwarder* Create() override { return nullptr; }
    std::string getName() override { return name; }

private:
    std::string name;
};
