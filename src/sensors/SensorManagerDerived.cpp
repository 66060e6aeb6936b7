// The values the sensor manager derives from the default sources.
#include <cmath>
#include <ctime>

#include "base/Units.h"
#include "sensors/PressureAltitude.h"
#include "sensors/SensorManager.h"

namespace {
double wrap360(double degrees) {
    double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// ISA: specific gas constant of dry air and sea-level density.
constexpr double kGasConstant = 287.05;
constexpr double kSeaLevelDensity = 1.225;
}  // namespace

double SensorManager::convertToDesiredReference(double value, TrackBearingReference reference) const {
    if (reference == trackReference || !magneticVariation.isAvailable()) return value;
    const double variation = magneticVariation.getVariation();
    // Declination is east positive: magnetic = true - declination.
    return wrap360(reference == TRUE_NORTH ? value - variation : value + variation);
}

double SensorManager::getMagneticTrack() const {
    ISensor* sensor = getDefaultSensor(ISensorData::GPS);
    auto* gps = sensor ? static_cast<GPS_Data*>(sensor->getData(ISensorData::GPS)) : nullptr;
    if (!gps || !gps->groundTrackAvail) return -1.0;
    if (!magneticVariation.isAvailable()) return wrap360(gps->groundTrack);
    return wrap360(gps->groundTrack - magneticVariation.getVariation());
}

double SensorManager::getDesiredTrack() const {
    ISensor* sensor = getDefaultSensor(ISensorData::GPS);
    auto* gps = sensor ? static_cast<GPS_Data*>(sensor->getData(ISensorData::GPS)) : nullptr;
    if (!gps || !gps->groundTrackAvail) return -1.0;
    return convertToDesiredReference(gps->groundTrack, TRUE_NORTH);
}

bool SensorManager::getUTCTime(int& hour, int& minute, int& second) const {
    ISensor* sensor = getDefaultSensor(ISensorData::GPS);
    auto* gps = sensor ? static_cast<GPS_Data*>(sensor->getData(ISensorData::GPS)) : nullptr;
    if (gps && gps->timeAvail && getDefaultSensorIndex(ISensorData::GPS) != 0) {
        hour = gps->hour, minute = gps->minute, second = gps->second;
        return true;
    }
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    hour = utc.tm_hour, minute = utc.tm_min, second = utc.tm_sec;
    return false;
}

Pressure_Data* SensorManager::getMostSuitablePressureData() const {
    for (ISensorData::Type type : {ISensorData::OUTSIDE_PRESSURE, ISensorData::INSIDE_PRESSURE}) {
        ISensor* sensor = getDefaultSensor(type);
        auto* pressure = sensor ? static_cast<Pressure_Data*>(sensor->getData(type)) : nullptr;
        if (pressure && pressure->pressure >= kMinimumUsablePressure) return pressure;
    }
    return nullptr;
}

double SensorManager::getSeaLevelPressure() const {
    if (forceAltimeterFallback) return fallbackSeaLevelPressure;
    Pressure_Data* pressure = getMostSuitablePressureData();
    if (!pressure || !isDataAvailable(ISensorData::ALTITUDE)) return fallbackSeaLevelPressure;
    auto* altitude = static_cast<Altitude_Data*>(getDefaultSensor(ISensorData::ALTITUDE)->getData(ISensorData::ALTITUDE));
    return calcSeaLevelPressure(pressure->pressure, altitude->altitude);
}

double SensorManager::getIndicatedAltitude() const {
    Pressure_Data* pressure = getMostSuitablePressureData();
    if (pressure && !forceGNSSAltitude) return calcAltitudeFromPressure(pressure->pressure, getSeaLevelPressure());
    ISensor* sensor = getDefaultSensor(ISensorData::ALTITUDE);
    auto* altitude = sensor ? static_cast<Altitude_Data*>(sensor->getData(ISensorData::ALTITUDE)) : nullptr;
    return altitude ? altitude->altitude : 0.0;
}

std::wstring SensorManager::getAltimeterSetting() const {
    const double mbar = getSeaLevelPressure();
    wchar_t text[32];
    if (pressureInInchesOfMercury)
        std::swprintf(text, 32, L"%.2f inHg", mbar / units::kHectopascalsPerInchOfMercury);
    else
        std::swprintf(text, 32, L"%.0f hPa", mbar);
    return text;
}

double SensorManager::getTrueAirspeed() const {
    ISensor* sensor = getDefaultSensor(ISensorData::AIRSPEED);
    auto* airspeed = sensor ? static_cast<AirSpeed_Data*>(sensor->getData(ISensorData::AIRSPEED)) : nullptr;
    if (!airspeed || airspeed->airSpeed < 0.0) return -1.0;
    Pressure_Data* pressure = getMostSuitablePressureData();
    if (!pressure) return airspeed->airSpeed;
    // Outside air temperature when a source has one, else the standard
    // atmosphere's at the pressure altitude.
    const double pressureAltitude = calcAltitudeFromPressure(pressure->pressure, kStandardSeaLevelPressure);
    double celsius = 15.0 - 0.0065 * pressureAltitude;
    ISensor* tempSensor = getDefaultSensor(ISensorData::OUTSIDE_TEMPERATURE);
    auto* oat = tempSensor ? static_cast<Temperature_Data*>(tempSensor->getData(ISensorData::OUTSIDE_TEMPERATURE))
                           : nullptr;
    if (oat && oat->temperature > -units::kKelvinAtZeroCelsius && isDataAvailable(ISensorData::OUTSIDE_TEMPERATURE))
        celsius = oat->temperature;
    const double density = pressure->pressure * 100.0 / (kGasConstant * (celsius + units::kKelvinAtZeroCelsius));
    return airspeed->airSpeed * std::sqrt(kSeaLevelDensity / density);
}

bool SensorManager::getAltitudeDifference(double& metres, const TrafficElement* target) const {
    if (!target || std::fabs(target->altitude + 100000.0) < 0.1) return false;
    const double targetMetres = units::feetToMetres(target->altitude);
    if (target->capabilityIndex == 1000) {  // geometric altitude
        ISensor* sensor = getDefaultSensor(ISensorData::ALTITUDE);
        auto* own = sensor ? static_cast<Altitude_Data*>(sensor->getData(ISensorData::ALTITUDE)) : nullptr;
        metres = targetMetres - (own && isDataAvailable(ISensorData::ALTITUDE) ? own->altitude
                                                                                : getIndicatedAltitude());
        return true;
    }
    if (Pressure_Data* pressure = getMostSuitablePressureData(); pressure && pressure->pressure > 0) {
        metres = targetMetres - calcAltitudeFromPressure(pressure->pressure, kStandardSeaLevelPressure);
        return true;
    }
    metres = convertPressureAltitude2MSL(targetMetres, getSeaLevelPressure()) - getIndicatedAltitude();
    return true;
}

ISeekableSensor* SensorManager::getPlaybackSensor() const {
    for (ISensor* sensor : sensors)
        if (auto* seekable = dynamic_cast<ISeekableSensor*>(sensor)) return seekable;
    return nullptr;
}

void SensorManager::setPlaybackPaused(bool paused) {
    playbackPaused = paused;
    if (ISeekableSensor* s = getPlaybackSensor()) s->setPlaybackPaused(paused);
}

void SensorManager::setPlaybackSpeed(double factor) {
    playbackSpeed = factor;
    if (ISeekableSensor* s = getPlaybackSensor()) s->setPlaybackSpeed(factor);
}

void SensorManager::setPlaybackLoop(bool loop) {
    playbackLoop = loop;
    if (ISeekableSensor* s = getPlaybackSensor()) s->setPlaybackLoop(loop);
}

double SensorManager::getPlayPosition() const {
    ISeekableSensor* s = getPlaybackSensor();
    return s ? s->getPlayPosition() : 0.0;
}

void SensorManager::setPlayPosition(double fraction) {
    if (ISeekableSensor* s = getPlaybackSensor()) s->setPlayPosition(fraction);
}
