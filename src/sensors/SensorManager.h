#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/IniFile.h"
#include "geo/ChartPosition.h"
#include "sensors/BatteryMonitor.h"
#include "sensors/IConfigOverride.h"
#include "sensors/ISensor.h"
#include "sensors/ISensorDataReceiver.h"
#include "sensors/ISensorFactory.h"
#include "sensors/ISensorForwarder.h"
#include "sensors/ISensorManagerUI.h"
#include "sensors/MagneticVariationTracker.h"
#include "sensors/SensorDataFactory.h"
#include "sensors/VerticalSpeedFilter.h"

class IniFile;
class Pressure_Data;
class ISeekableSensor;

// The presets of one titled section of the chooser, in display order.
struct ConfigOverrideSection {
    std::wstring title;
    std::vector<IConfigOverride*> overrides;
};

// The hub between data sources and consumers: the registries of sensor,
// sample and forwarder factories and of presets; the configured sensors and
// forwarders; the default source of every data type; and the values no
// single sensor delivers (filtered vertical speed, magnetic variation, the
// overall warning, battery and traffic messages). Main thread only.
class SensorManager {
public:
    enum TrackBearingReference { TRUE_NORTH = 0, MAGNETIC_NORTH = 1 };

    // Rates of the vertical-speed smoother, per second: ln 2 / 2.5 when the
    // speed is derived from pressure, ln 2 / 2 when taken from a sensor.
    static constexpr double kPressureVerticalSpeedRate = 0.2772588722239781;
    static constexpr double kSensorVerticalSpeedRate = 0.34657359027997264;
    // Pressures below this are treated as "no reading", mbar.
    static constexpr double kMinimumUsablePressure = 100.0;

    SensorManager();
    ~SensorManager();
    SensorManager(const SensorManager&) = delete;
    SensorManager& operator=(const SensorManager&) = delete;

    // --- Registries (filled at start-up in their persisted order; the
    // manager owns everything registered).
    void addSensorFactory(ISensorFactory* factory);
    void addSensorForwarderFactory(ISensorForwarderFactory* factory);
    // A second registration for a type replaces (and deletes) the first.
    void addSensorDataFactory(ISensorData::Type type, ISensorDataFactory* factory);
    void addSensorConfigOverrideSection(const std::wstring& title);
    // Adds to the last section (a first, untitled one is made if needed).
    void addSensorConfigOverride(IConfigOverride* configOverride);

    const std::vector<ISensorFactory*>& getSensorFactories() const { return sensorFactories; }
    const std::vector<ISensorForwarderFactory*>& getSensorForwarderFactories() const { return forwarderFactories; }
    const std::vector<ConfigOverrideSection>& getSensorConfigOverrideSections() const { return overrideSections; }
    // Index of the factory with that name, -1 (logged as "Fatal error:
    // SensorFactory not found.") when there is none.
    int findSensorFactory(const std::string& name) const;
    ISensorDataFactory* getSensorDataFactory(ISensorData::Type type) const;
    // A new default sample (the caller owns it), or null without a factory.
    ISensorData* createSensorData(ISensorData::Type type) const;

    // --- Sensors. Index 0 is the NullSensor once settings were loaded.
    ISensor* getSensorInterface(int index) const;
    int getSensorInterfaceCount() const { return int(sensors.size()); }
    std::vector<ISensor*> getSensorInterfaces(ISensorData::Type type) const;
    // Never null for types 0..22 once settings were loaded.
    ISensor* getDefaultSensor(ISensorData::Type type) const;
    int getDefaultSensorIndex(ISensorData::Type type) const;
    // Chooses sensor `index` as the source of the type; false (and shows
    // "Data Type not supported by selected sensor.") when it does not supply it.
    bool setDefaultSensor(ISensorData::Type type, int index);
    // True when the default source of the type is a real sensor that has
    // a sample of it and does not report WRONG.
    bool isDataAvailable(ISensorData::Type type) const;

    ISensorForwarder* getSensorForwarder(int index) const;
    int getSensorForwarderCount() const { return int(forwarders.size()); }
    // The forwarder's configuration index (its F<j> section).
    int getSensorForwarderConfigIndex(int index) const;
    void addSensorForwarder(int configIndex, ISensorForwarder* forwarder);
    void deleteSensorForwarder(int index);
    void setAllForwarderPause(bool pause);

    void registerSensorDataReceiver(ISensorDataReceiver* receiver);
    void unregisterSensorDataReceiver(ISensorDataReceiver* receiver);

    // Builds sensors and forwarders from the configuration (replacing any
    // loaded before). With chooseFirst the preset chooser runs first; the
    // return value tells whether a preset rewrote the configuration (the
    // caller saves it).
    bool loadSensorSettingsFromIni(IniFile* ini, bool chooseFirst);
    // Destroys forwarders and sensors.
    void unload();
    // Lets every sensor close its devices before exit.
    void OnScreenChanged();
    void tryShutdown();

    // Once per main-loop iteration.
    void Update();

    // --- Derived values.
    double getFilteredVerticalSpeed() const { return verticalSpeedFilter.getOutput(); }
    double getMagneticVariation() const { return magneticVariation.getVariation(); }
    bool isMagneticVariationAvailable() const { return magneticVariation.isAvailable(); }
    TrackBearingReference getTrackBearingReference() const { return trackReference; }
    void setTrackBearingReference(TrackBearingReference reference) { trackReference = reference; }
    // A bearing given in `reference` expressed in the configured reference.
    double convertToDesiredReference(double value, TrackBearingReference reference) const;
    // Ground track of the default GPS source, magnetic; -1 without a track.
    double getMagneticTrack() const;
    // Ground track in the configured reference; -1 without a track.
    double getDesiredTrack() const;
    // UTC time of the default GPS source; without a GNSS time the system
    // clock's UTC time is given and the result is false.
    bool getUTCTime(int& hour, int& minute, int& second) const;
    // Outside pressure if at least 100 mbar, else inside pressure if at
    // least 100 mbar, else null.
    Pressure_Data* getMostSuitablePressureData() const;
    // Metres MSL: barometric with the sea-level pressure, or the GNSS
    // altitude when there is no pressure or GNSS altitude is forced.
    double getIndicatedAltitude() const;
    // Knots; -1 without an airspeed.
    double getTrueAirspeed() const;
    // mbar: from own altitude and pressure unless fixed by the user, else the fallback.
    double getSeaLevelPressure() const;
    // The altimeter setting as drawn on the altimeter, in the configured unit.
    std::wstring getAltimeterSetting() const;
    // Metres, positive when the target is above; false when its altitude is unknown.
    bool getAltitudeDifference(double& metres, const TrafficElement* target) const;
    ISensor::WarningLevel getDefaultSensorsWarningLevel() const { return overallWarning; }

    double getFallbackSeaLevelPressure() const { return fallbackSeaLevelPressure; }
    void setFallbackSeaLevelPressure(double mbar) { fallbackSeaLevelPressure = mbar; }
    bool isAltimeterFallbackForced() const { return forceAltimeterFallback; }
    void setAltimeterFallbackForced(bool forced) { forceAltimeterFallback = forced; }
    bool isGNSSAltitudeForced() const { return forceGNSSAltitude; }
    void setGNSSAltitudeForced(bool forced) { forceGNSSAltitude = forced; }

    // Settings read from the configuration.
    bool isVerticalSpeedDerivedFromPressure() const { return deriveVerticalSpeedFromPressure; }
    bool areTrafficWarningsEnabled() const { return trafficWarningsEnabled; }
    int getTrafficWarningAltitude() const { return trafficWarningAltitudeFeet; }
    int getIAQSensitivity() const { return iaqSensitivity; }

    // Battery.
    bool isBatteryAvailable() const { return battery.isAvailable(); }
    double getBatteryLevel() const { return battery.getLevel(); }
    bool isBatteryDischarging() const { return battery.isDischarging(); }

    // Playback of a seekable source (the first one configured).
    ISeekableSensor* getPlaybackSensor() const;
    bool isPlaybackAvailable() const { return getPlaybackSensor() != nullptr; }
    bool isPlaybackPaused() const { return playbackPaused; }
    void setPlaybackPaused(bool paused);
    double getPlaybackSpeed() const { return playbackSpeed; }
    void setPlaybackSpeed(double factor);
    bool isPlaybackLoop() const { return playbackLoop; }
    void setPlaybackLoop(bool loop);
    double getPlayPosition() const;
    void setPlayPosition(double fraction);

    // --- Connections made by the Context.
    void setUI(ISensorManagerUI* ui) { this->ui = ui; }
    ISensorManagerUI* getUI() const { return ui; }
    // Message line for sensors (e.g. "Connection lost."); no-ops without a UI.
    void showMessage(const void* owner, const std::wstring& text, int colour, int durationMs);
    void removeMessage(const void* owner);
    // Called during Update when traffic warnings are enabled and both a
    // traffic sample and an own position are available.
    void setTrafficWarningHook(std::function<void(SensorManager&)> hook) { trafficWarningHook = std::move(hook); }
    // Called during Update after the data receivers.
    void setLogbookHook(std::function<void()> hook) { logbookHook = std::move(hook); }
    // Directory that holds the power-supply devices (tests use a fake tree).
    void setPowerSupplyRoot(const std::string& directory) { battery.setRoot(directory); }
    // The clock of the smoothers and the battery poll, seconds; getSecs by default.
    void setClock(std::function<double()> seconds) { clock = std::move(seconds); }
    // The declination model, so tests and tools can replace the magnetic model.
    void setMagneticModel(MagneticVariationTracker::Model model) { magneticVariation.setModel(std::move(model)); }

private:
    void readTopSettings(const IniSection& top);
    void loadSensors(IniFile* ini, const IniSection& top);
    void loadDefaultSources(const IniSection& top);
    void loadForwarders(IniFile* ini, const IniSection& top);
    void updateBattery(double now);
    void pollAndForward();
    void updateOverallWarning();
    void updateVerticalSpeed(double now);
    void updateMagneticVariation();
    double now() const;

    std::vector<ISensorFactory*> sensorFactories;
    ISensorDataFactory* dataFactories[ISensorData::TYPE_COUNT] = {};
    std::vector<ISensorForwarderFactory*> forwarderFactories;
    std::vector<ConfigOverrideSection> overrideSections;

    std::vector<ISensor*> sensors;
    int defaultSources[ISensorData::TYPE_COUNT] = {};
    std::vector<std::pair<ISensorForwarder*, int>> forwarders;
    std::vector<ISensorDataReceiver*> receivers;

    TrackBearingReference trackReference = TRUE_NORTH;
    bool deriveVerticalSpeedFromPressure = true;
    int trafficWarningAltitudeFeet = 0;
    bool trafficWarningsEnabled = false;
    int iaqSensitivity = 0;
    bool pressureInInchesOfMercury = false;

    VerticalSpeedFilter verticalSpeedFilter;
    PressureVerticalSpeed pressureVerticalSpeed;
    uint32_t lastVerticalSpeedTimeStamp = 0;
    bool haveVerticalSpeedTimeStamp = false;
    MagneticVariationTracker magneticVariation;
    ISensor::WarningLevel overallWarning = ISensor::WRONG;
    BatteryMonitor battery;
    double lastBatteryPoll = -1e300;

    bool playbackPaused = false;
    double playbackSpeed = 1.0;
    bool playbackLoop = false;

    double fallbackSeaLevelPressure = 1013.25;
    bool forceAltimeterFallback = false;
    bool forceGNSSAltitude = false;

    ISensorManagerUI* ui = nullptr;
    std::function<void(SensorManager&)> trafficWarningHook;
    std::function<void()> logbookHook;
    std::function<double()> clock;
};
