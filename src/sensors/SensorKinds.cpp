#include "sensors/SensorKinds.h"

#include "sensors/gdl90/GDL90Sensor.h"
#include "sensors/PositionSimulationSensor.h"
#include "sensors/SensorManager.h"
#include "sensors/SensorPresets.h"
#include "sensors/UnavailableSensor.h"
#include "sensors/recording/LogFileForwarder.h"
#include "sensors/recording/LogFileSensor.h"
#include "sensors/recording/UDPForwarder.h"
#include "sensors/recording/UDPSensor.h"

namespace {

using T = ISensorData::Type;

std::vector<T> typeRange(int first, int last) {
    std::vector<T> types;
    for (int t = first; t <= last; ++t) types.push_back(T(t));
    return types;
}

// Kinds whose drivers are not part of this version yet keep their place
// (and their configuration sections) through a placeholder that reports
// the types the kind supplies.
ISensorFactory* placeholder(SensorManager& m, const char* name, std::vector<T> types) {
    return new UnavailableSensorFactory(&m, name, std::move(types));
}

}  // namespace

void registerSensorDataFactories(SensorManager& m) {
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t)
        m.addSensorDataFactory(T(t), createStandardSensorDataFactory(T(t)));
}

void registerSensorKinds(SensorManager& m, ISensorFactory* sensorFusion, ADSBSensorKinds adsb) {
    registerSensorDataFactories(m);

    // Persisted order: FactoryIndex 0 ... 11.
    m.addSensorFactory(sensorFusion
                           ? sensorFusion
                           : placeholder(m, "Official SensorFusion", typeRange(ISensorData::GPS, ISensorData::RAW)));
    m.addSensorFactory(new LogFileSensorFactory(&m));
    m.addSensorFactory(new UDPSensorFactory(&m));
    m.addSensorFactory(
        placeholder(m, "Flybox Autopilot + Sensors", typeRange(ISensorData::GPS, ISensorData::OUTSIDE_TEMPERATURE)));
    m.addSensorFactory(
        placeholder(m, "FlightGear Flight Simulator", typeRange(ISensorData::GPS, ISensorData::OUTSIDE_PRESSURE)));
    m.addSensorFactory(
        placeholder(m, "XPlane Flight Simulator", typeRange(ISensorData::GPS, ISensorData::OUTSIDE_PRESSURE)));
    m.addSensorFactory(new GDL90SensorFactory(&m));
    m.addSensorFactory(new PositionSimulationSensorFactory(&m));
    m.addSensorFactory(
        placeholder(m, "RPCSensor",
                    {T::GPS, T::ATTITUDE, T::HEADING, T::POSITION, T::ALTITUDE, T::GROUNDSPEED, T::VERTICALSPEED,
                     T::AIRSPEED, T::INSIDE_PRESSURE, T::OUTSIDE_PRESSURE, T::OUTSIDE_TEMPERATURE, T::ENGINE_DATA}));
    std::vector<T> usbTypes = typeRange(ISensorData::GPS, ISensorData::OUTSIDE_TEMPERATURE);
    for (T t : {T::LOCALIZER, T::GLIDESLOPE, T::ANGLE_OF_ATTACK, T::EXTENDED_HEADING, T::ENGINE_DATA})
        usbTypes.push_back(t);
    m.addSensorFactory(placeholder(m, "PFD Sensors / ProbeUnit 2", usbTypes));
    m.addSensorFactory(adsb.network ? adsb.network : placeholder(m, kNetworkADSBSensorName, {T::TRAFFIC}));
    m.addSensorFactory(adsb.rtlSdr ? adsb.rtlSdr : placeholder(m, kRTLSDRSensorName, {T::TRAFFIC}));

    registerSensorPresets(m);

    // Persisted order: ForwarderFactory 0 and 1.
    m.addSensorForwarderFactory(new LogFileForwarderFactory());
    m.addSensorForwarderFactory(new UDPForwarderFactory());
}
