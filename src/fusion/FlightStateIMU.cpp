#include "fusion/FlightStateIMU.h"

#include "base/Logger.h"
#include "base/StringConversions.h"
#include "base/Time.h"
#include "base/Units.h"
#include "fusion/InternalSensorFusion.h"
#include "fusion/PilotMessages.h"
#include "fusion/RequiredSensors.h"
#include "fusion/SensorFusionClient.h"
#include "fusion/sources/CsvRawSource.h"
#include "fusion/sources/InternalRawDataSource.h"
#include "sensors/SensorData.h"
#include "sensors/SensorManager.h"

namespace {
const char* const kModeNames[] = {"ASK_USER",           "PROBEUNIT",         "INTERNAL_AHRS",
                                  "INTERNAL_GNSS_ONLY", "EXT_GNSS_AND_AHRS", "EXT_GNSS_ONLY"};

bool isPositionType(ISensorData::Type t) {
    return t == ISensorData::GPS || t == ISensorData::POSITION || t == ISensorData::ALTITUDE ||
           t == ISensorData::GROUNDSPEED || t == ISensorData::VERTICALSPEED;
}

void logLine(const std::string& line) { logMessage(line); }

constexpr int kAllAirData = IRawSource::PRESSURE | IRawSource::STATIC_PRESSURE | IRawSource::TOTAL_PRESSURE;
}  // namespace

const char* FlightStateIMU::configModeName(ConfigMode mode) { return kModeNames[int(mode)]; }

FlightStateIMU::ConfigMode FlightStateIMU::configModeFromName(const std::string& name) {
    for (int i = 0; i < 6; ++i)
        if (name == kModeNames[i]) return ConfigMode(i);
    return ASK_USER;
}

std::vector<ISensorData::Type> FlightStateIMU::supportedTypes(int raw) {
    std::vector<ISensorData::Type> types = {
        ISensorData::GPS,      ISensorData::ATTITUDE, ISensorData::HEADING,     ISensorData::ACCELERATION,
        ISensorData::POSITION, ISensorData::ALTITUDE, ISensorData::GROUNDSPEED, ISensorData::VERTICALSPEED,
        ISensorData::TURNRATE, ISensorData::RAW};
    const int pitotStatic = IRawSource::STATIC_PRESSURE | IRawSource::TOTAL_PRESSURE;
    if ((raw & pitotStatic) == pitotStatic) types.push_back(ISensorData::AIRSPEED);
    if (raw & IRawSource::PRESSURE) types.push_back(ISensorData::INSIDE_PRESSURE);
    if (raw & IRawSource::STATIC_PRESSURE) types.push_back(ISensorData::OUTSIDE_PRESSURE);
    return types;
}

FlightStateIMU::FlightStateIMU(SensorManager& m, std::unique_ptr<ISensorFusion> f, std::string calibration,
                               std::wstring why, int rawCompatibility)
    : ASampleTableSensor(m, supportedTypes(rawCompatibility)),
      manager(m),
      fusion(std::move(f)),
      calibrationPath(std::move(calibration)),
      problem(std::move(why)) {
    bool told = false;
    if (fusion && !fusion->start()) {
        told = showMessages();
        fusion.reset();
        if (problem.empty()) problem = L"The fusion could not start; see the log.";
    }
    if (!fusion && !told) manager.showMessage(this, problem, ISensorManagerUI::WARNING, -1);
}

FlightStateIMU::~FlightStateIMU() {
    OnShutdown();
    manager.removeMessage(this);
}

bool FlightStateIMU::showMessages() {
    bool shown = false;
    for (const std::string& line : fusion->takeMessages()) {
        PilotMessage message;
        if (!toPilotMessage(line, message)) continue;
        manager.showMessage(this, message.text, message.colour, message.durationMs);
        shown = true;
    }
    return shown;
}

void FlightStateIMU::OnShutdown() {
    if (fusion) fusion->shutdown();
}

void FlightStateIMU::OnCalibrate() {
    if (fusion) fusion->startGyroCalibration();
}

bool FlightStateIMU::Update() {
    if (!fusion) return false;
    showMessages();
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
    publishAirData(out, ts);
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

void FlightStateIMU::publishAirData(const FusionOutput& out, uint32_t ts) {
    auto* air = samples.as<AirSpeed_Data>(ISensorData::AIRSPEED);
    if (air && out.airspeedAvail) air->airSpeed = units::metresPerSecondToKnots(out.airspeed), air->timeStamp = ts;
    auto* inside = samples.as<Pressure_Data>(ISensorData::INSIDE_PRESSURE);
    if (inside && out.insidePressureAvail) inside->pressure = out.insidePressure, inside->timeStamp = ts;
    auto* outside = samples.as<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE);
    if (outside && out.outsidePressureAvail) outside->pressure = out.outsidePressure, outside->timeStamp = ts;
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

std::vector<ISensorData::Type> FlightStateIMUFactory::getSupportedDataTypes() {
    return FlightStateIMU::supportedTypes(kAllAirData);
}

void FlightStateIMUFactory::tellPilot(const std::string& text) {
    if (ISensorManagerUI* ui = manager->getUI()) ui->askUserChoice(convertUtf8ToWString(text), {L"OK"});
}

FlightStateIMU::ConfigMode FlightStateIMUFactory::askForMode() {
    ISensorManagerUI* ui = manager->getUI();
    const int choice = ui ? ui->askUserChoice(L"Please select your prefered Tablet/Phone sensor usage:",
                                              {L"Tablet/Phone Sensors with AHRS", L"GPS/GNNS only"})
                          : -1;
    if (choice == 0) return FlightStateIMU::INTERNAL_AHRS;
    if (choice != 1) logLine("SensorFusion: no mode chosen; using INTERNAL_GNSS_ONLY.");
    return FlightStateIMU::INTERNAL_GNSS_ONLY;
}

ISensor* FlightStateIMUFactory::Create() {
    FlightStateIMU::ConfigMode mode = FlightStateIMU::configModeFromName(getString("configMode"));
    if (mode == FlightStateIMU::ASK_USER) mode = askForMode();
    if (mode == FlightStateIMU::PROBEUNIT) {
        const int port =
            getString("probeUnitPort").empty() ? SensorFusionClient::kDefaultPort : getInt("probeUnitPort");
        return new FlightStateIMU(*manager, std::make_unique<SensorFusionClient>(port, &logLine), calibrationPath);
    }
    if (mode == FlightStateIMU::EXT_GNSS_AND_AHRS || mode == FlightStateIMU::EXT_GNSS_ONLY) {
        const std::string text = std::string(FlightStateIMU::configModeName(mode)) + ": not available in this version.";
        logLine(text);
        return new FlightStateIMU(*manager, nullptr, calibrationPath, convertUtf8ToWString(text));
    }
    InstallationCalibration calibration;
    if (!calibrationPath.empty()) calibration.load(calibrationPath);
    std::unique_ptr<IRawSource> source = rawSources ? rawSources(mode) : defaultRawSource(getSettings(), mode);
    const int compatibility = source ? source->getCompatibility() : 0;
    const std::vector<std::string> missing = missingAttitudeSensors(compatibility);
    if (mode == FlightStateIMU::INTERNAL_AHRS && !missing.empty()) {
        // Position and speeds still come from the receiver.
        std::string text = source && source->isGyroscopeDenied() ? kGyroscopeDenied : kDeviceLacksAttitudeSensors;
        for (const std::string& line : missing) text += "\n" + line;
        logLine(text);
        tellPilot(text);
        mode = FlightStateIMU::INTERNAL_GNSS_ONLY;
    }
    auto fusion =
        std::make_unique<InternalSensorFusion>(std::move(source), FusionSettings::fromIni(getSettings()),
                                               mode == FlightStateIMU::INTERNAL_AHRS, false, calibration, &logLine);
    return new FlightStateIMU(*manager, std::move(fusion), calibrationPath, L"", compatibility);
}
