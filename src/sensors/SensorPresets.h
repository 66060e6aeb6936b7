#pragma once
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "sensors/IConfigOverride.h"

class SensorManager;

// A sensor a preset configures: the kind by its registered name and the
// keys of its section.
struct PresetSensor {
    std::string factoryName;
    IniSection keys;
};

// Base of the configuration presets: each one describes the sensors it
// wants; the base rewrites the configuration from that plan.
class ASensorPreset : public IConfigOverride {
public:
    ASensorPreset(SensorManager* manager, std::wstring name, std::string icon, std::wstring description);

    std::wstring getName() override { return name; }
    std::string getIcon() override { return icon; }
    std::string getWebsiteURL() override { return ""; }
    bool isApplicableWebsiteURL() override { return false; }
    std::wstring getWebsiteButtonLabel() override { return L""; }
    std::wstring getDescription() override { return description; }
    // Writes SensorCount, one section S<i> per planned sensor with its
    // FactoryName, FactoryIndex and keys, and the default source of every
    // type (the first planned sensor that supplies it). Nothing is changed
    // when the user cancels or a kind is not registered.
    bool OnConfigChosen(IniFile* ini) override;

protected:
    // The sensors to configure, in order; false when the user cancelled.
    virtual bool plan(std::vector<PresetSensor>& sensors) = 0;
    // Index of the choice, or -1 when cancelled or unanswered.
    int ask(const std::wstring& question, const std::vector<std::wstring>& choices);

    SensorManager* manager;

private:
    std::wstring name;
    std::string icon;
    std::wstring description;
};

// The settings the presets write for the sensor-fusion client, with its
// configuration mode (INTERNAL_AHRS, INTERNAL_GNSS_ONLY, PROBEUNIT, ...).
IniSection sensorFusionPresetKeys(const std::string& configMode);
// The settings of a GDL90 device on UDP port 4000 with the given flavour.
IniSection gdl90PresetKeys(const std::string& flavor);

// Registers the four titled sections of presets in their display order.
void registerSensorPresets(SensorManager& manager);
