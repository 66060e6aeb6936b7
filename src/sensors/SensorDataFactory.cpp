#include "sensors/SensorDataFactory.h"

ISensorDataFactory* createStandardSensorDataFactory(ISensorData::Type type) {
    switch (type) {
        case ISensorData::GPS: return new SensorDataFactory<GPS_Data>("GPS");
        case ISensorData::ATTITUDE: return new SensorDataFactory<Attitude_Data>("Attitude");
        case ISensorData::HEADING: return new SensorDataFactory<Heading_Data>("Heading");
        case ISensorData::ACCELERATION: return new SensorDataFactory<Acceleration_Data>("Acceleration");
        case ISensorData::POSITION: return new SensorDataFactory<Position_Data>("Position");
        case ISensorData::ALTITUDE: return new SensorDataFactory<Altitude_Data>("Altitude");
        case ISensorData::GROUNDSPEED: return new SensorDataFactory<GroundSpeed_Data>("GroundSpeed");
        case ISensorData::VERTICALSPEED: return new SensorDataFactory<VerticalSpeed_Data>("VerticalSpeed");
        case ISensorData::TURNRATE: return new SensorDataFactory<TurnRate_Data>("TurnRate");
        case ISensorData::AIRSPEED: return new SensorDataFactory<AirSpeed_Data>("AirSpeed");
        case ISensorData::INSIDE_PRESSURE: return new PressureFactory("InsidePressure", true);
        case ISensorData::OUTSIDE_PRESSURE: return new PressureFactory("OutsidePressure", false);
        case ISensorData::INSIDE_TEMPERATURE: return new TemperatureFactory("InsideTemperature", true);
        case ISensorData::OUTSIDE_TEMPERATURE: return new TemperatureFactory("OutsideTemperature", false);
        case ISensorData::RAW: return new SensorDataFactory<Raw_Data>("Raw");
        case ISensorData::TRAFFIC: return new SensorDataFactory<Traffic_Data>("Traffic");
        case ISensorData::LOCALIZER: return new LocGsFactory("Localizer", true);
        case ISensorData::GLIDESLOPE: return new LocGsFactory("Glideslope", false);
        case ISensorData::UAT_UPLINK: return new SensorDataFactory<UATUplink_Data>("UAT Uplink");
        case ISensorData::ANGLE_OF_ATTACK: return new SensorDataFactory<AngleOfAttack_Data>("Angle of Attack");
        case ISensorData::EXTENDED_HEADING:
            return new SensorDataFactory<ExtendedHeading_Data>("True and Magnetic Heading");
        case ISensorData::ENGINE_DATA: return new SensorDataFactory<Engine_Data>("Engine Data");
        case ISensorData::WIDEBAND_DATA: return new SensorDataFactory<Wideband_Data>("Wideband Data");
        case ISensorData::TYPE_COUNT: break;
    }
    return nullptr;
}
