#pragma once
#include <functional>
#include <memory>
#include <string>

#include "fusion/ISensorFusion.h"
#include "fusion/InstallationCalibration.h"
#include "fusion/sources/IRawSource.h"
#include "sensors/ASettingsSensorFactory.h"
#include "sensors/ASampleTableSensor.h"

// The sensor behind which the fusion delivers attitude, heading, position
// and speeds. Its configuration mode chooses where the data comes from; the
// fusion itself runs elsewhere (its own thread, or an external unit), and
// Update() only drains the newest result on the main thread.
class FlightStateIMU : public ASampleTableSensor {
public:
    enum ConfigMode {
        ASK_USER = 0,
        PROBEUNIT = 1,
        INTERNAL_AHRS = 2,
        INTERNAL_GNSS_ONLY = 3,
        EXT_GNSS_AND_AHRS = 4,
        EXT_GNSS_ONLY = 5
    };
    static const char* configModeName(ConfigMode mode);
    // Unknown text: ASK_USER.
    static ConfigMode configModeFromName(const std::string& name);

    // `fusion` may be null: the sensor then delivers nothing and says why.
    // rawCompatibility: the raw source's IRawSource::Sensor bits, which
    // decide the air data the sensor supplies besides attitude and position.
    FlightStateIMU(SensorManager& manager, std::unique_ptr<ISensorFusion> fusion, std::string calibrationPath,
                   std::wstring problem = L"", int rawCompatibility = 0);
    ~FlightStateIMU() override;

    std::string getName() override { return "Official SensorFusion"; }
    bool Update() override;
    uint32_t lastTimeUpdated(ISensorData::Type type) override;
    WarningLevel getWarning(ISensorData::Type type) override;
    void OnCalibrate() override;
    std::wstring getSensorDetails() override;
    void OnShutdown() override;

    // Attitude, heading, position and speeds always; airspeed with a pitot
    // and static port, inside pressure with the device's barometer, outside
    // pressure with a static port.
    static std::vector<ISensorData::Type> supportedTypes(int rawCompatibility = 0);

private:
    void publish(const FusionOutput& out, uint32_t stamp);
    void publishAirData(const FusionOutput& out, uint32_t stamp);
    // Puts the fusion's messages for the pilot on the message line; false
    // when there were none.
    bool showMessages();

    SensorManager& manager;
    std::unique_ptr<ISensorFusion> fusion;
    std::string calibrationPath;
    std::wstring problem;
    FusionOutput output;
    bool hasOutput = false;
    uint32_t lastUpdate = 0;
};

// "Official SensorFusion". The raw source of the internal modes comes from
// `rawSources` (mode, external) so that the device layer, a replayed file or a
// test can supply it.
class FlightStateIMUFactory : public ASettingsSensorFactory {
public:
    using RawSourceMaker = std::function<std::unique_ptr<IRawSource>(FlightStateIMU::ConfigMode mode)>;

    FlightStateIMUFactory(SensorManager* manager, std::string calibrationPath, RawSourceMaker rawSources = {});

    ISensor* Create() override;
    std::string getName() override { return "Official SensorFusion"; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override;

    // The device's own sensors (industrial-I/O and gpsd), or the raw CSV
    // file named by the section's `rawFile` key when it is set.
    static std::unique_ptr<IRawSource> defaultRawSource(const IniSection& settings, FlightStateIMU::ConfigMode mode);

private:
    // ASK_USER: the pilot picks between attitude and GNSS only; without an
    // answer GNSS only, which needs nothing but a receiver.
    FlightStateIMU::ConfigMode askForMode();
    // Shows a message the pilot must acknowledge.
    void tellPilot(const std::string& text);

    std::string calibrationPath;
    RawSourceMaker rawSources;
};
