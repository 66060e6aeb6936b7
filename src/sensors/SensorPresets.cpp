// The configuration presets offered at start-up.
#include "sensors/SensorPresets.h"

#include <algorithm>

#include "base/StringConversions.h"
#include "sensors/SensorManager.h"

namespace {
const char* const kFusion = "Official SensorFusion";
const char* const kGDL90 = "GDL90 compatible device";
}  // namespace

ASensorPreset::ASensorPreset(SensorManager* sensorManager, std::wstring presetName, std::string presetIcon,
                             std::wstring presetDescription)
    : manager(sensorManager),
      name(std::move(presetName)),
      icon(std::move(presetIcon)),
      description(std::move(presetDescription)) {}

int ASensorPreset::ask(const std::wstring& question, const std::vector<std::wstring>& choices) {
    ISensorManagerUI* ui = manager->getUI();
    return ui ? ui->askUserChoice(question, choices) : -1;
}

bool ASensorPreset::OnConfigChosen(IniFile* ini) {
    std::vector<PresetSensor> sensors;
    if (!plan(sensors) || sensors.empty()) return false;
    std::vector<int> factoryIndices;
    for (const PresetSensor& s : sensors) {
        const int index = manager->findSensorFactory(s.factoryName);
        if (index < 0) return false;
        factoryIndices.push_back(index);
    }

    // Sections of the previous configuration would otherwise keep keys of
    // another kind.
    const int oldCount = convertStringTo<int>(ini->get("", "SensorCount"));
    const int lastSection = std::max(oldCount, int(sensors.size()) + 1);
    for (int i = 1; i < lastSection; ++i) ini->removeSection("S" + std::to_string(i));

    const int count = int(sensors.size()) + 1;
    ini->set("", "SensorCount", std::to_string(count));
    for (size_t i = 0; i < sensors.size(); ++i) {
        const std::string section = "S" + std::to_string(i + 1);
        ini->set(section, "FactoryName", sensors[i].factoryName);
        ini->set(section, "FactoryIndex", std::to_string(factoryIndices[i]));
        for (const auto& kv : sensors[i].keys) ini->set(section, kv.first, kv.second);
    }
    const auto& factories = manager->getSensorFactories();
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        int source = 0;
        for (size_t i = 0; i < sensors.size() && !source; ++i)
            if (factories[factoryIndices[i]]->isDataTypeSupported(ISensorData::Type(t))) source = int(i) + 1;
        ini->set("", "D" + std::to_string(t), std::to_string(source));
    }
    return true;
}

IniSection sensorFusionPresetKeys(const std::string& configMode) {
    return {{"configMode", configMode},
            {"AccSigma", "0.33"},
            {"AngularSigma", "1.5"},
            {"MagSigma", "0.33"},
            {"FallbackSpeed", "120"},
            {"MaxAcc", "1"},
            {"RollContribution", "0.25"},
            {"UseGPSFilter", "1"},
            {"gpsK", "1"},
            {"autoCalibFactor", "0.4"},
            {"autoCalibRecoveryTime", "36000"},
            {"lmodeSelected", "0"},
            {"restAccThreshhold", "0.1"},
            {"restGyrThreshhold", "0.24"},
            {"slerpPerSecond", "0.7"},
            {"timeout", "2000"}};
}

IniSection gdl90PresetKeys(const std::string& flavor) { return {{"port", "4000"}, {"flavor", flavor}}; }

namespace {

// A preset that always configures the same sensors.
class FixedPreset : public ASensorPreset {
public:
    FixedPreset(SensorManager* manager, std::wstring name, std::string icon, std::wstring description,
                std::vector<PresetSensor> sensorPlan)
        : ASensorPreset(manager, std::move(name), std::move(icon), std::move(description)),
          sensors(std::move(sensorPlan)) {}

protected:
    bool plan(std::vector<PresetSensor>& out) override {
        out = sensors;
        return true;
    }

private:
    std::vector<PresetSensor> sensors;
};

}  // namespace

class PositionSimulatorConfig : public FixedPreset {
public:
    explicit PositionSimulatorConfig(SensorManager* m)
        : FixedPreset(m, L"Flight Planning Mode", "media/presets/flight_planning.png",
                      L"Plan flights on the ground. A simulated aircraft flies from the start position set in "
                      L"its settings; no sensors are needed.",
                      {{"Position Simulation", {}}}) {}
};

class InternalSensorConfig : public FixedPreset {
public:
    explicit InternalSensorConfig(SensorManager* m)
        : FixedPreset(m, L"Tablet/Phone Sensors", "media/presets/tablet_sensors.png",
                      L"Attitude, heading and position from the device's own inertial sensors and GNSS.",
                      {{kFusion, sensorFusionPresetKeys("INTERNAL_AHRS")}}) {}
};

class InternalGNSSConfig : public FixedPreset {
public:
    explicit InternalGNSSConfig(SensorManager* m)
        : FixedPreset(m, L"Int. GPS/GNSS only", "media/presets/tablet_gnss.png",
                      L"Position, track and ground speed from the device's own GNSS receiver only; the attitude "
                      L"stays straight and level.",
                      {{kFusion, sensorFusionPresetKeys("INTERNAL_GNSS_ONLY")}}) {}
};

class TaveroAvionicsProbeUnitConfig : public FixedPreset {
public:
    explicit TaveroAvionicsProbeUnitConfig(SensorManager* m)
        : FixedPreset(m, L"Tavero Avionics ProbeUnit", "media/presets/probeunit.png",
                      L"An external sensor unit on the local network that computes attitude and heading itself.",
                      {{kFusion, sensorFusionPresetKeys("PROBEUNIT")}}) {}
};

class ProbeUnit2Config : public FixedPreset {
public:
    explicit ProbeUnit2Config(SensorManager* m)
        : FixedPreset(m, L"Tavero Avionics", "media/presets/probeunit2.png",
                      L"The USB sensor unit with air data, attitude and engine inputs.",
                      {{"PFD Sensors / ProbeUnit 2", {}}}) {}
};

class TalosConfig : public FixedPreset {
public:
    explicit TalosConfig(SensorManager* m)
        : FixedPreset(m, L"TalosAvionics Device", "media/presets/talos.png",
                      L"A Talos attitude and air-data unit speaking GDL90 with its own extensions.",
                      {{kGDL90, gdl90PresetKeys("Talos")}}) {}
};

class LevilConfig : public FixedPreset {
public:
    explicit LevilConfig(SensorManager* m)
        : FixedPreset(m, L"Levil Aviation Device", "media/presets/levil.png",
                      L"A Levil attitude and ADS-B unit speaking GDL90.", {{kGDL90, gdl90PresetKeys("Levil")}}) {}
};

class GDL90Config : public FixedPreset {
public:
    explicit GDL90Config(SensorManager* m)
        : FixedPreset(m, L"Generic GDL90 Device", "media/presets/gdl90.png",
                      L"Any ADS-B receiver that sends GDL90 to UDP port 4000: position, traffic and weather.",
                      {{kGDL90, gdl90PresetKeys("Generic")}}) {}
};

class GLD90WeatherTraffic : public ASensorPreset {
public:
    explicit GLD90WeatherTraffic(SensorManager* m)
        : ASensorPreset(m, L"Tablet/Phone + GDL90 Traffic/Weather", "media/presets/tablet_gdl90.png",
                        L"The device's own sensors for attitude and position, and a GDL90 receiver for traffic "
                        L"and weather.") {}

protected:
    bool plan(std::vector<PresetSensor>& out) override {
        const int choice = ask(L"Please select your prefered Tablet/Phone sensor usage:",
                               {L"Tablet/Phone Sensors with AHRS", L"GPS/GNNS only", L"Cancel"});
        if (choice != 0 && choice != 1) return false;
        out = {{kFusion, sensorFusionPresetKeys(choice == 0 ? "INTERNAL_AHRS" : "INTERNAL_GNSS_ONLY")},
               {kGDL90, gdl90PresetKeys("Generic")}};
        return true;
    }
};

class PilotAwareConfig : public FixedPreset {
public:
    explicit PilotAwareConfig(SensorManager* m)
        : FixedPreset(m, L"PilotAware", "media/presets/pilotaware.png",
                      L"A PilotAware traffic receiver speaking GDL90.", {{kGDL90, gdl90PresetKeys("PilotAware")}}) {}
};

class FlyBoxConfig : public FixedPreset {
public:
    explicit FlyBoxConfig(SensorManager* m)
        : FixedPreset(m, L"Flybox Autopilot + Sensors", "media/presets/flybox.png",
                      L"The Flybox autopilot with its sensors.", {{"Flybox Autopilot + Sensors", {}}}) {}
};

class ElektraSolarConfig : public FixedPreset {
public:
    explicit ElektraSolarConfig(SensorManager* m)
        : FixedPreset(m, L"Elektra Solar Interface", "media/presets/elektra.png",
                      L"The device's own sensors for flight data and the aircraft's interface for the electric "
                      L"drive's engine data.",
                      {{kFusion, sensorFusionPresetKeys("INTERNAL_AHRS")}, {"RPCSensor", {}}}) {}
};

class LogFileConfig : public FixedPreset {
public:
    explicit LogFileConfig(SensorManager* m)
        : FixedPreset(m, L"Play Flight Recording", "media/presets/logfile.png",
                      L"Replay a recorded flight.", {{"LogFile", {}}}) {}
};

class FlightSimulatorConfig : public ASensorPreset {
public:
    explicit FlightSimulatorConfig(SensorManager* m)
        : ASensorPreset(m, L"Flight Simulator", "media/presets/flightsim.png",
                        L"Fly with data from FlightGear or X-Plane on this computer or the network.") {}

protected:
    bool plan(std::vector<PresetSensor>& out) override {
        const int choice = ask(L"Please select your Flight Simulator:", {L"FlightGear", L"XPlane", L"Cancel"});
        if (choice == 0)
            out = {{"FlightGear Flight Simulator", {}}};
        else if (choice == 1)
            out = {{"XPlane Flight Simulator", {}}};
        else
            return false;
        return true;
    }
};

// Leaves the configuration as it is; the sensor-setup dialog does the rest.
class CustomConfig : public ASensorPreset {
public:
    explicit CustomConfig(SensorManager* m)
        : ASensorPreset(m, L"Custom", "media/presets/custom.png",
                        L"Choose the sensors and the source of every data type yourself.") {}

protected:
    bool plan(std::vector<PresetSensor>&) override { return false; }
};

void registerSensorPresets(SensorManager& m) {
    m.addSensorConfigOverrideSection(L"1. Flight Planning:");
    m.addSensorConfigOverride(new PositionSimulatorConfig(&m));
    m.addSensorConfigOverrideSection(L"2. Go Flying (no extra hardware):");
    m.addSensorConfigOverride(new InternalSensorConfig(&m));
    m.addSensorConfigOverride(new InternalGNSSConfig(&m));
    m.addSensorConfigOverrideSection(L"3. Go Flying (with extra hardware):");
    m.addSensorConfigOverride(new TaveroAvionicsProbeUnitConfig(&m));
    m.addSensorConfigOverride(new ProbeUnit2Config(&m));
    m.addSensorConfigOverride(new TalosConfig(&m));
    m.addSensorConfigOverride(new LevilConfig(&m));
    m.addSensorConfigOverride(new GDL90Config(&m));
    m.addSensorConfigOverride(new GLD90WeatherTraffic(&m));
    m.addSensorConfigOverride(new PilotAwareConfig(&m));
    m.addSensorConfigOverride(new FlyBoxConfig(&m));
    m.addSensorConfigOverride(new ElektraSolarConfig(&m));
    m.addSensorConfigOverrideSection(L"4. Flight Review / Simulation / Other:");
    m.addSensorConfigOverride(new LogFileConfig(&m));
    m.addSensorConfigOverride(new FlightSimulatorConfig(&m));
    m.addSensorConfigOverride(new CustomConfig(&m));
}
