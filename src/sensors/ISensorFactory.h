#pragma once
#include <string>
#include <vector>

#include "sensors/ISensor.h"

class IniFile;

// Makes sensors of one kind. Registered with the sensor manager in a fixed
// order: configuration files refer to a kind by its index in that order.
class ISensorFactory {
public:
    virtual void OnScreenChanged() {}
    // Reads the sensor's settings from its section; Create() uses them.
    virtual void loadSetupFromIni(IniFile* ini, const std::string& section) = 0;
    // Opens the settings editor for the section.
    virtual void setup(IniFile* ini, const std::string& section) = 0;
    // A new sensor from the settings last loaded; the caller owns it.
    virtual ISensor* Create() = 0;
    virtual std::string getName() = 0;
    virtual std::vector<ISensorData::Type> getSupportedDataTypes() = 0;
    virtual bool isDataTypeSupported(ISensorData::Type type);
    virtual ~ISensorFactory() = default;
};

// Base of the kinds that have no settings.
class NoSetupGUISensorFactory : public ISensorFactory {
public:
    void loadSetupFromIni(IniFile*, const std::string&) override {}
    void setup(IniFile*, const std::string&) override {}
};
