#include "fusion/FlightStateIMU.h"

#include "base/Logger.h"
#include "base/Time.h"
#include "base/Units.h"
#include "fusion/InternalSensorFusion.h"
#include "fusion/SensorFusionClient.h"
#include "fusion/sources/CsvRawSource.h"
#include "fusion/sources/InternalRawDataSource.h"
#include "sensors/SensorData.h"

namespace {
const char* const kModeNames[] = {"ASK_USER",           "PROBEUNIT",         "INTERNAL_AHRS",
                                  "INTERNAL_GNSS_ONLY", "EXT_GNSS_AND_AHRS", "EXT_GNSS_ONLY"};

bool isPositionType(ISensorData::Type t) {
    return t == ISensorData::GPS || t == ISensorData::POSITION || t == ISensorData::ALTITUDE ||
           t == ISensorData::GROUNDSPEED || t == ISensorData::VERTICALSPEED;
}

void logLine(const std::string& line) { logMessage(line); }
}  // namespace

const char* FlightStateIMU::configModeName(ConfigMode mode) { return kModeNames[int(mode)]; }

FlightStateIMU::ConfigMode FlightStateIMU::configModeFromName(const std::string& name) {
    for (int i = 0; i < 6; ++i)
        if (name == kModeNames[i]) return ConfigMode(i);
    return ASK_USER;
}

const std::vector<ISensorData::Type>& FlightStateIMU::supportedTypes() {
    static const std::vector<ISensorData::Type> types = {
        ISensorData::GPS,      ISensorData::ATTITUDE, ISensorData::HEADING,     ISensorData::ACCELERATION,
        ISensorData::POSITION, ISensorData::ALTITUDE, ISensorData::GROUNDSPEED, ISensorData::VERTICALSPEED,
        ISensorData::TURNRATE, ISensorData::RAW};
    return types;
}

FlightStateIMU::FlightStateIMU(SensorManager& manager, std::unique_ptr<ISensorFusion> f, std::string calibration,
                               std::wstring why)
    : fusion(std::move(f)),
      calibrationPath(std::move(calibration)),
      problem(std::move(why)),
      samples(manager, supportedTypes()) {
    if (fusion && !fusion->start()) {
        fusion.reset();
        if (problem.empty()) problem = L"The fusion could not start; see the log.";
    }
}

FlightStateIMU::~FlightStateIMU() { OnShutdown(); }

void FlightStateIMU::OnShutdown() {
    if (fusion) fusion->shutdown();
}

void FlightStateIMU::OnCalibrate() {
    if (fusion) fusion->startGyroCalibration();
}

bool FlightStateIMU::Update() {
    if (!fusion) return false;
    auto* internal = dynamic_cast<InternalSensorFusion*>(fusion.get());
    Vector3d bias;
    if (internal && internal->takeNewGyroBias(bias) && !calibrationPath.empty()) {
        InstallationCalibration calibration;
        calibration.load(calibrationPath);
        calibration.gyroBias = bias;
        calibration.save(calibrationPath);
    }
    if (!fusion->takeOutput(output)) return false;
    hasOutput = true;
    lastUpdate = getMilliSecs();
    publish(output, lastUpdate);
    return true;
}

void FlightStateIMU::publish(const FusionOutput& out, uint32_t ts) {
    auto* attitude = samples.as<Attitude_Data>(ISensorData::ATTITUDE);
    attitude->orientation = out.attitude, attitude->timeStamp = ts;
    auto* heading = samples.as<Heading_Data>(ISensorData::HEADING);
    heading->heading = out.euler.heading, heading->timeStamp = ts;
    auto* acc = samples.as<Acceleration_Data>(ISensorData::ACCELERATION);
    acc->x = out.bodyAcc.x, acc->y = out.bodyAcc.y, acc->z = out.bodyAcc.z, acc->timeStamp = ts;
    auto* rate = samples.as<TurnRate_Data>(ISensorData::TURNRATE);
    rate->turnRate = out.turnRate, rate->timeStamp = ts;
    auto* raw = samples.as<Raw_Data>(ISensorData::RAW);
    raw->acc = out.bodyAcc, raw->accAvail = true, raw->m = out.attitude;
    if (!out.gpsValid) return;
    *samples.as<GPS_Data>(ISensorData::GPS) = out.gps;
    auto* position = samples.as<Position_Data>(ISensorData::POSITION);
    position->latitude = out.gps.latitude, position->longitude = out.gps.longitude, position->timeStamp = ts;
    auto* altitude = samples.as<Altitude_Data>(ISensorData::ALTITUDE);
    altitude->altitude = out.gps.altitude, altitude->timeStamp = ts;
    auto* speed = samples.as<GroundSpeed_Data>(ISensorData::GROUNDSPEED);
    speed->groundSpeed = out.gps.groundSpeed, speed->timeStamp = ts;
    auto* vertical = samples.as<VerticalSpeed_Data>(ISensorData::VERTICALSPEED);
    vertical->verticalSpeed = out.verticalSpeed, vertical->timeStamp = ts;
}

uint32_t FlightStateIMU::lastTimeUpdated(ISensorData::Type type) { return samples.supports(type) ? lastUpdate : 0; }

ISensor::WarningLevel FlightStateIMU::getWarning(ISensorData::Type type) {
    if (!hasOutput || !samples.supports(type)) return WRONG;
    if (isPositionType(type)) return output.gpsValid ? GOOD : WRONG;
    return output.levels[type];
}

std::wstring FlightStateIMU::getSensorDetails() {
    if (!fusion) return L"Official SensorFusion\n" + problem;
    wchar_t text[256];
    std::swprintf(text, 256, L"Official SensorFusion\n%ls\nStrategy: %d\nRoll %.1f Pitch %.1f Heading %.1f",
                  fusion->isConnected() ? L"Connected" : L"Waiting for data", output.strategy, output.euler.roll,
                  output.euler.pitch, output.euler.heading);
    return text;
}

FlightStateIMUFactory::FlightStateIMUFactory(SensorManager* m, std::string calibration, RawSourceMaker makers)
    : ASettingsSensorFactory(m, FusionSettings::kDescriptor),
      calibrationPath(std::move(calibration)),
      rawSources(std::move(makers)) {}

std::unique_ptr<IRawSource> FlightStateIMUFactory::defaultRawSource(const IniSection& settings,
                                                                    FlightStateIMU::ConfigMode) {
    auto file = settings.find("rawFile");
    if (file != settings.end() && !file->second.empty()) return std::make_unique<CsvRawSource>(file->second, &getSecs);
    return std::make_unique<InternalRawDataSource>();
}

ISensor* FlightStateIMUFactory::Create() {
    FlightStateIMU::ConfigMode mode = FlightStateIMU::configModeFromName(getString("configMode"));
    if (mode == FlightStateIMU::ASK_USER) {
        // Without a start-up dialog the safe choice is the one that needs
        // nothing but a receiver.
        logLine("SensorFusion: no mode chosen; using INTERNAL_GNSS_ONLY.");
        mode = FlightStateIMU::INTERNAL_GNSS_ONLY;
    }
    if (mode == FlightStateIMU::PROBEUNIT) {
        const int port =
            getString("probeUnitPort").empty() ? SensorFusionClient::kDefaultPort : getInt("probeUnitPort");
        return new FlightStateIMU(*manager, std::make_unique<SensorFusionClient>(port, &logLine), calibrationPath);
    }
    if (mode == FlightStateIMU::EXT_GNSS_AND_AHRS || mode == FlightStateIMU::EXT_GNSS_ONLY) {
        const std::string text = std::string(FlightStateIMU::configModeName(mode)) + ": not available in this version.";
        logLine(text);
        return new FlightStateIMU(*manager, nullptr, calibrationPath, std::wstring(text.begin(), text.end()));
    }
    InstallationCalibration calibration;
    if (!calibrationPath.empty()) calibration.load(calibrationPath);
    std::unique_ptr<IRawSource> source = rawSources ? rawSources(mode) : defaultRawSource(getSettings(), mode);
    auto fusion =
        std::make_unique<InternalSensorFusion>(std::move(source), FusionSettings::fromIni(getSettings()),
                                               mode == FlightStateIMU::INTERNAL_AHRS, false, calibration, &logLine);
    return new FlightStateIMU(*manager, std::move(fusion), calibrationPath);
}
