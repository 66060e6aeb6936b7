#pragma once
#include <cstdint>

#include "sensors/RecordSample.h"

// The samples that hold one value and a time stamp. They share one record
// layout of 12 bytes: the value as f64, then the time stamp as u32.

// "Label: value timeStamp: t" on standard output.
void printScalar(const char* label, double value, uint32_t timeStamp);

// Metres above mean sea level.
class Altitude_Data : public FixedRecordSample<Altitude_Data, 12> {
public:
    double altitude = 400.0;
    uint32_t timeStamp = 0;

    Altitude_Data() = default;
    Altitude_Data(double altitudeValue, uint32_t time) : altitude(altitudeValue), timeStamp(time) {}
    Type getType() const override { return ALTITUDE; }
    void print() const override { printScalar("Altitude", altitude, timeStamp); }
    template <class Visitor>
    void fields(Visitor& v) { v(altitude, timeStamp); }
};

// Degrees.
class Heading_Data : public FixedRecordSample<Heading_Data, 12> {
public:
    double heading = 0.0;
    uint32_t timeStamp = 0;

    Heading_Data() = default;
    Heading_Data(double headingValue, uint32_t time) : heading(headingValue), timeStamp(time) {}
    Type getType() const override { return HEADING; }
    void print() const override { printScalar("Heading", heading, timeStamp); }
    template <class Visitor>
    void fields(Visitor& v) { v(heading, timeStamp); }
};

// Knots.
class GroundSpeed_Data : public FixedRecordSample<GroundSpeed_Data, 12> {
public:
    double groundSpeed = 0.0;
    uint32_t timeStamp = 0;

    GroundSpeed_Data() = default;
    GroundSpeed_Data(double speed, uint32_t time) : groundSpeed(speed), timeStamp(time) {}
    Type getType() const override { return GROUNDSPEED; }
    void print() const override { printScalar("GroundSpeed", groundSpeed, timeStamp); }
    template <class Visitor>
    void fields(Visitor& v) { v(groundSpeed, timeStamp); }
};

// Metres per second, up positive.
class VerticalSpeed_Data : public FixedRecordSample<VerticalSpeed_Data, 12> {
public:
    double verticalSpeed = 0.0;
    uint32_t timeStamp = 0;

    VerticalSpeed_Data() = default;
    VerticalSpeed_Data(double speed, uint32_t time) : verticalSpeed(speed), timeStamp(time) {}
    Type getType() const override { return VERTICALSPEED; }
    void print() const override { printScalar("VerticalSpeed", verticalSpeed, timeStamp); }
    template <class Visitor>
    void fields(Visitor& v) { v(verticalSpeed, timeStamp); }
};

// Degrees per second.
class TurnRate_Data : public FixedRecordSample<TurnRate_Data, 12> {
public:
    double turnRate = 0.0;
    uint32_t timeStamp = 0;

    TurnRate_Data() = default;
    TurnRate_Data(double rate, uint32_t time) : turnRate(rate), timeStamp(time) {}
    Type getType() const override { return TURNRATE; }
    void print() const override { printScalar("TurnRate", turnRate, timeStamp); }
    template <class Visitor>
    void fields(Visitor& v) { v(turnRate, timeStamp); }
};

// Knots; -1 until a source has delivered a value.
class AirSpeed_Data : public FixedRecordSample<AirSpeed_Data, 12> {
public:
    double airSpeed = -1.0;
    uint32_t timeStamp = 0;

    AirSpeed_Data() = default;
    AirSpeed_Data(double speed, uint32_t time) : airSpeed(speed), timeStamp(time) {}
    Type getType() const override { return AIRSPEED; }
    void print() const override { printScalar("AirSpeed", airSpeed, timeStamp); }
    template <class Visitor>
    void fields(Visitor& v) { v(airSpeed, timeStamp); }
};

// Millibar (hectopascal). `inside` selects the type (10 inside, 11 outside);
// it is not part of the record, the record's type number carries it.
class Pressure_Data : public FixedRecordSample<Pressure_Data, 12> {
public:
    double pressure = -300.0;
    bool inside = true;
    uint32_t timeStamp = 0;

    Pressure_Data() = default;
    Pressure_Data(double pressureValue, bool insidePressure, uint32_t time)
        : pressure(pressureValue), inside(insidePressure), timeStamp(time) {}
    Type getType() const override { return inside ? INSIDE_PRESSURE : OUTSIDE_PRESSURE; }
    void print() const override { printScalar(inside ? "InsidePressure" : "OutsidePressure", pressure, timeStamp); }
    template <class Visitor>
    void fields(Visitor& v) { v(pressure, timeStamp); }
};

// Degrees Celsius; `inside` as for pressure (12 inside, 13 outside).
class Temperature_Data : public FixedRecordSample<Temperature_Data, 12> {
public:
    double temperature = -300.0;
    bool inside = true;
    uint32_t timeStamp = 0;

    Temperature_Data() = default;
    Temperature_Data(double temperatureValue, bool insideTemperature, uint32_t time)
        : temperature(temperatureValue), inside(insideTemperature), timeStamp(time) {}
    Type getType() const override { return inside ? INSIDE_TEMPERATURE : OUTSIDE_TEMPERATURE; }
    void print() const override {
        printScalar(inside ? "InsideTemperature" : "OutsideTemperature", temperature, timeStamp);
    }
    template <class Visitor>
    void fields(Visitor& v) { v(temperature, timeStamp); }
};
