#include "sensors/PositionSimulationSensor.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "base/Time.h"
#include "base/Units.h"
#include "geo/Geodesy.h"
#include "sensors/PressureAltitude.h"
#include "sensors/SensorManager.h"

namespace {
double wrap360(double degrees) {
    double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// Standard-atmosphere temperature (Celsius) and density ratio at an altitude in metres.
double isaTemperature(double metres) { return 15.0 - 0.0065 * metres; }
double isaDensityRatio(double metres) {
    const double pressure = calcPressureFromAltitude(metres, kStandardSeaLevelPressure);
    return (pressure / kStandardSeaLevelPressure) * (288.15 / (isaTemperature(metres) + units::kKelvinAtZeroCelsius));
}
}  // namespace

const std::vector<ISensorData::Type>& PositionSimulationSensor::supportedTypes() {
    static const std::vector<ISensorData::Type> types = {
        ISensorData::GPS,           ISensorData::ATTITUDE,         ISensorData::HEADING,
        ISensorData::ACCELERATION,  ISensorData::POSITION,         ISensorData::ALTITUDE,
        ISensorData::GROUNDSPEED,   ISensorData::VERTICALSPEED,    ISensorData::TURNRATE,
        ISensorData::AIRSPEED,      ISensorData::OUTSIDE_PRESSURE, ISensorData::OUTSIDE_TEMPERATURE,
        ISensorData::EXTENDED_HEADING};
    return types;
}

PositionSimulationSensor::PositionSimulationSensor(SensorManager& manager, const Flight& flightPlan,
                                                   std::function<double()> clockSource)
    : ASampleTableSensor(manager, supportedTypes()),
      flight(flightPlan),
      clock(clockSource ? std::move(clockSource) : std::function<double()>(getSecs)),
      position(flightPlan.start),
      altitudeFeet(flightPlan.altitudeFeet),
      track(wrap360(flightPlan.trackDegrees)),
      climbRate(flightPlan.climbRateFeetPerMin) {
    flight.updatesPerSecond = std::max(1, flight.updatesPerSecond);
    if (flight.maxAltitudeFeet < flight.minAltitudeFeet) std::swap(flight.maxAltitudeFeet, flight.minAltitudeFeet);
}

bool PositionSimulationSensor::Update() {
    const double now = clock();
    if (started && now - lastStep < 1.0 / flight.updatesPerSecond) return false;
    if (started) step(std::min(now - lastStep, kMaxStepSeconds));
    started = true;
    lastStep = now;
    lastUpdate = uint32_t(int64_t(now * 1000.0));
    publish(lastUpdate);
    return true;
}

void PositionSimulationSensor::step(double seconds) {
    // Move along the mean track of the step so circles close.
    const double turn = flight.turnRateDegPerSec * seconds;
    const double distance = units::knotsToMetresPerSecond(flight.groundSpeedKnots) * seconds;
    position = calcChartPositionAtBearing(position, wrap360(track + turn / 2.0), distance);
    track = wrap360(track + turn);

    // Climb or descend, turning round at the altitude limits.
    altitudeFeet += climbRate / 60.0 * seconds;
    if (altitudeFeet > flight.maxAltitudeFeet) {
        altitudeFeet = 2 * flight.maxAltitudeFeet - altitudeFeet;
        climbRate = -std::fabs(climbRate);
    } else if (altitudeFeet < flight.minAltitudeFeet) {
        altitudeFeet = 2 * flight.minAltitudeFeet - altitudeFeet;
        climbRate = std::fabs(climbRate);
    }
    altitudeFeet = std::clamp(altitudeFeet, flight.minAltitudeFeet, flight.maxAltitudeFeet);
}

void PositionSimulationSensor::publish(uint32_t ts) {
    const double metres = units::feetToMetres(altitudeFeet);
    const double speed = units::knotsToMetresPerSecond(flight.groundSpeedKnots);
    const double verticalSpeed = climbRate * units::kMetresPerSecondPerFootPerMinute;
    // Coordinated turn: bank = atan(v * omega / g); path angle from the climb.
    const double bank = std::atan(speed * units::degreesToRadians(flight.turnRateDegPerSec) / units::kStandardGravity);
    const double pathAngle = speed > 0 ? std::atan(verticalSpeed / speed) : 0.0;

    auto* pos = samples.as<Position_Data>(ISensorData::POSITION);
    pos->longitude = position.longitude, pos->latitude = position.latitude, pos->timeStamp = ts;
    auto* alt = samples.as<Altitude_Data>(ISensorData::ALTITUDE);
    alt->altitude = metres, alt->timeStamp = ts;
    auto* gs = samples.as<GroundSpeed_Data>(ISensorData::GROUNDSPEED);
    gs->groundSpeed = flight.groundSpeedKnots, gs->timeStamp = ts;
    auto* vs = samples.as<VerticalSpeed_Data>(ISensorData::VERTICALSPEED);
    vs->verticalSpeed = verticalSpeed, vs->timeStamp = ts;
    auto* rate = samples.as<TurnRate_Data>(ISensorData::TURNRATE);
    rate->turnRate = flight.turnRateDegPerSec, rate->timeStamp = ts;
    auto* heading = samples.as<Heading_Data>(ISensorData::HEADING);
    heading->heading = track, heading->timeStamp = ts;
    auto* ext = samples.as<ExtendedHeading_Data>(ISensorData::EXTENDED_HEADING);
    ext->trueHeading = float(track), ext->magneticHeading = NAN, ext->timeStamp = ts;
    // Positive pitch angles of the matrix put the nose down and positive
    // roll angles the left wing: a right turn and a climb are negative here.
    auto* attitude = samples.as<Attitude_Data>(ISensorData::ATTITUDE);
    attitude->orientation = Matrix3x3::fromEuler(units::degreesToRadians(track), -pathAngle, -bank);
    attitude->timeStamp = ts;
    auto* acc = samples.as<Acceleration_Data>(ISensorData::ACCELERATION);
    acc->x = 0, acc->y = -units::kStandardGravity / std::cos(bank), acc->z = 0, acc->timeStamp = ts;
    // Calm air: the true airspeed is the ground speed; indicated is lower with height.
    auto* air = samples.as<AirSpeed_Data>(ISensorData::AIRSPEED);
    air->airSpeed = flight.groundSpeedKnots * std::sqrt(isaDensityRatio(metres)), air->timeStamp = ts;
    auto* pressure = samples.as<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE);
    pressure->pressure = calcPressureFromAltitude(metres, kStandardSeaLevelPressure), pressure->timeStamp = ts;
    auto* temperature = samples.as<Temperature_Data>(ISensorData::OUTSIDE_TEMPERATURE);
    temperature->temperature = isaTemperature(metres), temperature->timeStamp = ts;

    auto* gps = samples.as<GPS_Data>(ISensorData::GPS);
    const std::time_t wall = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&wall, &utc);
    gps->hour = utc.tm_hour, gps->minute = utc.tm_min, gps->second = utc.tm_sec, gps->millisecond = int(ts % 1000);
    gps->day = utc.tm_mday, gps->month = utc.tm_mon + 1, gps->year = utc.tm_year + 1900;
    gps->timeStamp = ts;
    gps->latitude = position.latitude, gps->longitude = position.longitude;
    gps->fixQuality = 1, gps->satellites = 10, gps->fixType = 3, gps->status = 1;
    gps->altitude = metres;
    gps->pdop = 1.2, gps->hdop = 0.8, gps->vdop = 0.9;
    gps->groundSpeed = flight.groundSpeedKnots, gps->groundTrack = track;
    gps->timeAvail = gps->positionAvail = gps->altitudeAvail = gps->dilutionOfPrecisionAvail = true;
    gps->dateAvail = gps->speedAvail = gps->groundTrackAvail = true;
    gps->magneticVariationAvail = false;
}

uint32_t PositionSimulationSensor::lastTimeUpdated(ISensorData::Type type) {
    return samples.supports(type) ? lastUpdate : 0;
}

ISensor::WarningLevel PositionSimulationSensor::getWarning(ISensorData::Type type) {
    return started && samples.supports(type) ? GOOD : WRONG;
}

std::wstring PositionSimulationSensor::getSensorDetails() {
    wchar_t text[256];
    std::swprintf(text, 256,
                  L"Position Simulation\nPosition: %.5f %.5f\nAltitude: %.0f ft\nGround speed: %.0f kt\n"
                  L"Track: %.1f\nTurn rate: %.1f deg/s\nClimb rate: %.0f ft/min",
                  position.latitude, position.longitude, altitudeFeet, flight.groundSpeedKnots, track,
                  flight.turnRateDegPerSec, climbRate);
    return text;
}

const char* const PositionSimulationSensorFactory::kDescriptor =
    "startLatitude,Start latitude [deg]: ,49.1947,DOUBLE;"
    "startLongitude,Start longitude [deg]: ,-123.1792,DOUBLE;"
    "altitude,Start altitude [ft]: ,3000,DOUBLE;"
    "groundSpeed,Ground speed [kt]: ,100,DOUBLE;"
    "track,Initial track [deg]: ,90,DOUBLE;"
    "turnRate,Turn rate [deg/s] (positive turns right): ,0,DOUBLE;"
    "climbRate,Climb rate [ft/min]: ,0,DOUBLE;"
    "minAltitude,Lowest altitude [ft]: ,1000,DOUBLE;"
    "maxAltitude,Highest altitude [ft]: ,10000,DOUBLE;"
    "updateRate,Updates per second: ,10,INT;";

PositionSimulationSensorFactory::PositionSimulationSensorFactory(SensorManager* manager)
    : ASettingsSensorFactory(manager, kDescriptor) {}

PositionSimulationSensor::Flight PositionSimulationSensorFactory::getFlight() const {
    PositionSimulationSensor::Flight f;
    f.start = ChartPosition(getDouble("startLongitude"), getDouble("startLatitude"));
    f.altitudeFeet = getDouble("altitude");
    f.groundSpeedKnots = getDouble("groundSpeed");
    f.trackDegrees = getDouble("track");
    f.turnRateDegPerSec = getDouble("turnRate");
    f.climbRateFeetPerMin = getDouble("climbRate");
    f.minAltitudeFeet = getDouble("minAltitude");
    f.maxAltitudeFeet = getDouble("maxAltitude");
    f.updatesPerSecond = getInt("updateRate");
    return f;
}

ISensor* PositionSimulationSensorFactory::Create() { return new PositionSimulationSensor(*manager, getFlight()); }
