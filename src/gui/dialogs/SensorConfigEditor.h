#pragma once
#include <functional>
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "sensors/ISensorData.h"

class ISensorFactory;
class SensorManager;

// Edits the sensor part of a configuration held in memory: the sensors
// S1 .. S<SensorCount - 1> with their kind (FactoryIndex, FactoryName) and
// settings, and the default source D0 .. D22 of every data type. Sensor 0 is
// the NullSensor the manager adds itself: "None" as a source. Engine-free;
// the set-up dialog shows it and saves the file.
class SensorConfigEditor {
public:
    SensorConfigEditor(IniFile& ini, const std::vector<ISensorFactory*>& factories);

    // Configured sensors, not counting the NullSensor.
    int getSensorCount() const;
    // "S<number>", numbers counted from 1.
    static std::string getSection(int number);
    // The kind of the sensor, null when its FactoryIndex is not registered.
    ISensorFactory* getFactory(int number) const;
    // "2: GDL90 compatible device"; unknown kinds say so.
    std::string describe(int number) const;

    // Appends a sensor of the kind with its default settings; returns its
    // number, or -1 for an unknown kind.
    int addSensor(int factoryIndex);
    // Removes the sensor; later sensors move up one number, and the data
    // types it was the source of fall back to "None".
    void removeSensor(int number);

    // 0 ("None") when missing or out of range.
    int getDefaultSource(ISensorData::Type type) const;
    // Sensor `number` becomes the source of the type; false (nothing
    // changed) when its kind does not supply the type.
    bool setDefaultSource(ISensorData::Type type, int number);

private:
    void setSensorCount(int count);

    IniFile& ini;
    const std::vector<ISensorFactory*>& factories;
};

// Saves an edited configuration and has it applied: by `onSaved` when
// given, else by the manager rebuilding its sensors and forwarders from it.
void applySensorConfig(IniFile& config, const std::string& path, SensorManager& manager,
                       const std::function<void(IniFile&)>& onSaved);
