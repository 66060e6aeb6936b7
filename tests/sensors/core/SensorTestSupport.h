#pragma once
// Scripted sensors, forwarders and a recording UI for the sensor tests.
#include <algorithm>
#include <string>
#include <vector>

#include "sensors/SensorManager.h"
#include "sensors/SensorSampleTable.h"
#include "support/RecordingUI.h"

inline std::vector<ISensorData::Type> allSampleTypes() {
    std::vector<ISensorData::Type> types;
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) types.push_back(ISensorData::Type(t));
    return types;
}

// A sensor whose Update() result and warning the test decides.
class ScriptedSensor : public ISensor {
public:
    ScriptedSensor(SensorManager& manager, std::string sensorName, std::vector<ISensorData::Type> types)
        : name(std::move(sensorName)), samples(manager, types) {}

    std::string getName() override { return name; }
    bool Update() override {
        ++updates;
        return nextUpdate;
    }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return updates; }
    ISensorData* getData(ISensorData::Type type) override { return samples.get(type); }
    bool isDataTypeSupported(ISensorData::Type type) override { return samples.supports(type); }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return samples.getTypes(); }
    WarningLevel getWarning(ISensorData::Type) override { return warning; }
    void OnShutdown() override { ++shutdowns; }

    template <typename Sample>
    Sample* sample(ISensorData::Type type) {
        return samples.as<Sample>(type);
    }

    std::string name;
    bool nextUpdate = false;
    WarningLevel warning = GOOD;
    int updates = 0;
    int shutdowns = 0;

private:
    SensorSampleTable samples;
};

// Makes ScriptedSensors supplying every type.
class ScriptedSensorFactory : public NoSetupGUISensorFactory {
public:
    ScriptedSensorFactory(SensorManager* m, std::string factoryName) : manager(m), name(std::move(factoryName)) {}

    void loadSetupFromIni(IniFile* ini, const std::string& section) override {
        lastSection = section;
        label = ini->get(section, "label");
    }
    ISensor* Create() override { return new ScriptedSensor(*manager, label, allSampleTypes()); }
    std::string getName() override { return name; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return allSampleTypes(); }

    SensorManager* manager;
    std::string name;
    std::string label;
    std::string lastSection;
};

class RecordingForwarder : public ISensorForwarder {
public:
    explicit RecordingForwarder(std::vector<std::string>* sharedLog, std::string forwarderName)
        : log(sharedLog), name(std::move(forwarderName)) {}
    void forward(ISensor* sensor) override { log->push_back(name + ":" + sensor->getName()); }
    void setForwardPeriod(int) override {}
    std::string getName() override { return name; }
    void setPause(bool p) override { paused = p; }

    std::vector<std::string>* log;
    std::string name;
    bool paused = false;
};

class RecordingForwarderFactory : public ISensorForwarderFactory {
public:
    explicit RecordingForwarderFactory(std::vector<std::string>* sharedLog) : log(sharedLog) {}
    void setup() override {}
    bool loadSetupFromIni(IniFile* ini, const std::string& section) override {
        name = ini->get(section, "name");
        return ini->get(section, "usable") != "0";
    }
    void saveSetupToIni(IniFile*, const std::string&) override {}
    ISensorForwarder* Create() override { return new RecordingForwarder(log, name); }
    std::string getName() override { return "Recorder"; }

    std::vector<std::string>* log;
    std::string name;
};
