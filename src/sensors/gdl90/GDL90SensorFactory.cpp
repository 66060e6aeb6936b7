#include "sensors/gdl90/GDL90Sensor.h"

#include "sensors/SensorManager.h"

const char* const GDL90SensorFactory::NAME = "GDL90 compatible device";
const char* const GDL90SensorFactory::SETTINGS_DESCRIPTOR =
    "port,Port (UDP):,4000,INT;"
    "flavor,Flavor:,Generic\\;Talos\\;Levil\\;PilotAware\\;uAvionix,ONE_OF;"
    "useSerial,Use Serial Port instead of UDP,0,BOOLEAN;"
    "deviceNode,Device Node: ,/dev/ttyUSB0,STRING;"
    "baudRate,Baudrate: ,230400,INT;";

GDL90SensorFactory::GDL90SensorFactory(SensorManager* manager) : ASettingsSensorFactory(manager, SETTINGS_DESCRIPTOR) {}

GDL90Sensor::Settings GDL90SensorFactory::getSensorSettings() const {
    GDL90Sensor::Settings s;
    s.port = getInt("port");
    s.flavor = GDL90Sensor::flavorFromName(getString("flavor"));
    s.useSerial = getInt("useSerial") != 0;
    s.deviceNode = getString("deviceNode");
    s.baudRate = getInt("baudRate");
    return s;
}

ISensor* GDL90SensorFactory::Create() {
    if (!manager) return nullptr;
    auto* sensor = new GDL90Sensor(*manager, getSensorSettings(), clock);
    sensor->setCalibration(getDouble("rollOffset"), getDouble("pitchOffset"));
    return sensor;
}
