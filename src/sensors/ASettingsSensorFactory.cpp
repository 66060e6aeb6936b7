#include "sensors/ASettingsSensorFactory.h"

#include "base/StringConversions.h"
#include "sensors/SensorManager.h"

ASettingsSensorFactory::ASettingsSensorFactory(SensorManager* sensorManager, std::string settingsDescriptor)
    : manager(sensorManager), descriptor(std::move(settingsDescriptor)) {
    parseSettingsDescriptor(descriptor, entries);
    settings = getSettingsDefaults(entries);
}

void ASettingsSensorFactory::loadSetupFromIni(IniFile* ini, const std::string& section) {
    settings = getSettingsDefaults(entries);
    for (const auto& kv : ini->getSection(section)) settings[kv.first] = kv.second;
}

void ASettingsSensorFactory::setup(IniFile* ini, const std::string& section) {
    completeSettingsSection(ini, section, entries);
    if (manager && manager->getUI()) manager->getUI()->editSettings(descriptor, ini, section);
}

double ASettingsSensorFactory::getDouble(const std::string& key) const {
    return convertStringTo<double>(getString(key));
}

int ASettingsSensorFactory::getInt(const std::string& key) const { return convertStringTo<int>(getString(key)); }

const std::string& ASettingsSensorFactory::getString(const std::string& key) const {
    static const std::string empty;
    auto it = settings.find(key);
    return it == settings.end() ? empty : it->second;
}
