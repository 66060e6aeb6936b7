#pragma once
#include <string>

#include "sensors/SensorData.h"

// Makes fresh samples of one type; registered with the sensor manager under
// the type's display name.
class ISensorDataFactory {
public:
    // A new sample with default contents; the caller owns it.
    virtual ISensorData* Create() = 0;
    virtual const std::string& getName() const = 0;
    virtual ~ISensorDataFactory() = default;
};

template <typename Sample>
class SensorDataFactory : public ISensorDataFactory {
public:
    explicit SensorDataFactory(std::string factoryName) : name(std::move(factoryName)) {}
    ISensorData* Create() override { return new Sample(); }
    const std::string& getName() const override { return name; }

private:
    std::string name;
};

// The shared pressure, temperature and ILS classes carry a flag that picks
// which of their two types a sample is; these factories pass it on.
class PressureFactory : public SensorDataFactory<Pressure_Data> {
public:
    PressureFactory(std::string name, bool insideFlag) : SensorDataFactory(std::move(name)), inside(insideFlag) {}
    ISensorData* Create() override { return new Pressure_Data(0.0, inside, 0); }

private:
    bool inside;
};

class TemperatureFactory : public SensorDataFactory<Temperature_Data> {
public:
    TemperatureFactory(std::string name, bool insideFlag) : SensorDataFactory(std::move(name)), inside(insideFlag) {}
    ISensorData* Create() override { return new Temperature_Data(0.0, inside, 0); }

private:
    bool inside;
};

class LocGsFactory : public SensorDataFactory<LocGs_Data> {
public:
    LocGsFactory(std::string name, bool localizerFlag) : SensorDataFactory(std::move(name)), localizer(localizerFlag) {}
    ISensorData* Create() override { return new LocGs_Data(localizer); }

private:
    bool localizer;
};

// The factory of each of the 23 types with its registered name, indexed by
// ISensorData::Type. The caller owns the factories.
ISensorDataFactory* createStandardSensorDataFactory(ISensorData::Type type);
