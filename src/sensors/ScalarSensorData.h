#pragma once
#include <cstdint>

#include "sensors/ISensorData.h"

// The samples that hold one value and a time stamp. They share one record
// layout of 12 bytes: the value as f64, then the time stamp as u32.
class AScalarSensorData : public ISensorData {
public:
    static constexpr int kRecordLength = 12;

    void corrEndian() {}

protected:
    void* serializeScalar(double value, uint32_t timeStamp, int* size);
    bool deserializeScalar(const void* data, int size, double& value, uint32_t& timeStamp);
    static void printScalar(const char* label, double value, uint32_t timeStamp);

private:
    unsigned char record[kRecordLength];
};

// Metres above mean sea level.
class Altitude_Data : public AScalarSensorData {
public:
    double altitude = 400.0;
    uint32_t timeStamp = 0;

    Altitude_Data() = default;
    Altitude_Data(double altitudeValue, uint32_t time) : altitude(altitudeValue), timeStamp(time) {}
    Type getType() const override { return ALTITUDE; }
    void* serialize(int* size) override { return serializeScalar(altitude, timeStamp, size); }
    bool deserialize(const void* data, int size) override { return deserializeScalar(data, size, altitude, timeStamp); }
    void print() const override { printScalar("Altitude", altitude, timeStamp); }
};

// Degrees.
class Heading_Data : public AScalarSensorData {
public:
    double heading = 0.0;
    uint32_t timeStamp = 0;

    Heading_Data() = default;
    Heading_Data(double headingValue, uint32_t time) : heading(headingValue), timeStamp(time) {}
    Type getType() const override { return HEADING; }
    void* serialize(int* size) override { return serializeScalar(heading, timeStamp, size); }
    bool deserialize(const void* data, int size) override { return deserializeScalar(data, size, heading, timeStamp); }
    void print() const override { printScalar("Heading", heading, timeStamp); }
};

// Knots.
class GroundSpeed_Data : public AScalarSensorData {
public:
    double groundSpeed = 0.0;
    uint32_t timeStamp = 0;

    GroundSpeed_Data() = default;
    GroundSpeed_Data(double speed, uint32_t time) : groundSpeed(speed), timeStamp(time) {}
    Type getType() const override { return GROUNDSPEED; }
    void* serialize(int* size) override { return serializeScalar(groundSpeed, timeStamp, size); }
    bool deserialize(const void* data, int size) override {
        return deserializeScalar(data, size, groundSpeed, timeStamp);
    }
    void print() const override { printScalar("GroundSpeed", groundSpeed, timeStamp); }
};

// Metres per second, up positive.
class VerticalSpeed_Data : public AScalarSensorData {
public:
    double verticalSpeed = 0.0;
    uint32_t timeStamp = 0;

    VerticalSpeed_Data() = default;
    VerticalSpeed_Data(double speed, uint32_t time) : verticalSpeed(speed), timeStamp(time) {}
    Type getType() const override { return VERTICALSPEED; }
    void* serialize(int* size) override { return serializeScalar(verticalSpeed, timeStamp, size); }
    bool deserialize(const void* data, int size) override {
        return deserializeScalar(data, size, verticalSpeed, timeStamp);
    }
    void print() const override { printScalar("VerticalSpeed", verticalSpeed, timeStamp); }
};

// Degrees per second.
class TurnRate_Data : public AScalarSensorData {
public:
    double turnRate = 0.0;
    uint32_t timeStamp = 0;

    TurnRate_Data() = default;
    TurnRate_Data(double rate, uint32_t time) : turnRate(rate), timeStamp(time) {}
    Type getType() const override { return TURNRATE; }
    void* serialize(int* size) override { return serializeScalar(turnRate, timeStamp, size); }
    bool deserialize(const void* data, int size) override { return deserializeScalar(data, size, turnRate, timeStamp); }
    void print() const override { printScalar("TurnRate", turnRate, timeStamp); }
};

// Knots; -1 until a source has delivered a value.
class AirSpeed_Data : public AScalarSensorData {
public:
    double airSpeed = -1.0;
    uint32_t timeStamp = 0;

    AirSpeed_Data() = default;
    AirSpeed_Data(double speed, uint32_t time) : airSpeed(speed), timeStamp(time) {}
    Type getType() const override { return AIRSPEED; }
    void* serialize(int* size) override { return serializeScalar(airSpeed, timeStamp, size); }
    bool deserialize(const void* data, int size) override { return deserializeScalar(data, size, airSpeed, timeStamp); }
    void print() const override { printScalar("AirSpeed", airSpeed, timeStamp); }
};

// Millibar (hectopascal). `inside` selects the type (10 inside, 11 outside);
// it is not part of the record, the record's type number carries it.
class Pressure_Data : public AScalarSensorData {
public:
    double pressure = -300.0;
    bool inside = true;
    uint32_t timeStamp = 0;

    Pressure_Data() = default;
    Pressure_Data(double pressureValue, bool insidePressure, uint32_t time)
        : pressure(pressureValue), inside(insidePressure), timeStamp(time) {}
    Type getType() const override { return inside ? INSIDE_PRESSURE : OUTSIDE_PRESSURE; }
    void* serialize(int* size) override { return serializeScalar(pressure, timeStamp, size); }
    bool deserialize(const void* data, int size) override { return deserializeScalar(data, size, pressure, timeStamp); }
    void print() const override { printScalar(inside ? "InsidePressure" : "OutsidePressure", pressure, timeStamp); }
};

// Degrees Celsius; `inside` as for pressure (12 inside, 13 outside).
class Temperature_Data : public AScalarSensorData {
public:
    double temperature = -300.0;
    bool inside = true;
    uint32_t timeStamp = 0;

    Temperature_Data() = default;
    Temperature_Data(double temperatureValue, bool insideTemperature, uint32_t time)
        : temperature(temperatureValue), inside(insideTemperature), timeStamp(time) {}
    Type getType() const override { return inside ? INSIDE_TEMPERATURE : OUTSIDE_TEMPERATURE; }
    void* serialize(int* size) override { return serializeScalar(temperature, timeStamp, size); }
    bool deserialize(const void* data, int size) override {
        return deserializeScalar(data, size, temperature, timeStamp);
    }
    void print() const override {
        printScalar(inside ? "InsideTemperature" : "OutsideTemperature", temperature, timeStamp);
    }
};
