#pragma once
#include <string>

#include "sensors/ISensor.h"

class IniFile;

// A sink that receives every sensor whose Update() reported new data
// (recordings, network forwarding).
class ISensorForwarder {
public:
    virtual void forward(ISensor* sensor) = 0;
    // Minimum milliseconds between two forwards of the same sensor.
    virtual void setForwardPeriod(int milliseconds) = 0;
    virtual std::string getName() = 0;
    virtual void setPause(bool pause) = 0;
    virtual ~ISensorForwarder() = default;
};

class ISensorForwarderFactory {
public:
    virtual void setup() = 0;
    // False when the section does not describe a usable forwarder.
    virtual bool loadSetupFromIni(IniFile* ini, const std::string& section) = 0;
    virtual void saveSetupToIni(IniFile* ini, const std::string& section) = 0;
    // A new forwarder from the settings last loaded; the caller owns it.
    virtual ISensorForwarder* Create() = 0;
    virtual std::string getName() = 0;
    virtual void OnScreenChanged() {}
    virtual ~ISensorForwarderFactory() = default;
};
