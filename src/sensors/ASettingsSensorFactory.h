#pragma once
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "sensors/ISensorFactory.h"
#include "sensors/SettingsDescriptor.h"

class SensorManager;

// Base of the sensor kinds whose settings are described by a settings
// descriptor: it keeps the settings last loaded (defaults filled in) and
// opens the generic editor on setup.
class ASettingsSensorFactory : public ISensorFactory {
public:
    ASettingsSensorFactory(SensorManager* manager, std::string descriptor);

    void loadSetupFromIni(IniFile* ini, const std::string& section) override;
    // Fills in missing defaults, then opens the editor through the manager's UI.
    void setup(IniFile* ini, const std::string& section) override;

    const std::string& getSettingsDescriptor() const { return descriptor; }
    // The settings last loaded, every described key present.
    const IniSection& getSettings() const { return settings; }

protected:
    double getDouble(const std::string& key) const;
    int getInt(const std::string& key) const;
    const std::string& getString(const std::string& key) const;

    SensorManager* manager;

private:
    std::string descriptor;
    std::vector<SettingsEntry> entries;
    IniSection settings;
};
