#include "gui/dialogs/SensorConfigEditor.h"

#include <algorithm>

#include "base/Logger.h"
#include "base/StringConversions.h"
#include "sensors/ASettingsSensorFactory.h"
#include "sensors/ISensorFactory.h"
#include "sensors/SensorManager.h"

namespace {
std::string sourceKey(int type) { return "D" + std::to_string(type); }
}  // namespace

SensorConfigEditor::SensorConfigEditor(IniFile& iniFile, const std::vector<ISensorFactory*>& sensorFactories)
    : ini(iniFile), factories(sensorFactories) {}

int SensorConfigEditor::getSensorCount() const {
    return std::max(0, convertStringTo<int>(ini.get("", "SensorCount")) - 1);
}

std::string SensorConfigEditor::getSection(int number) { return "S" + std::to_string(number); }

void SensorConfigEditor::setSensorCount(int count) { ini.set("", "SensorCount", std::to_string(count + 1)); }

ISensorFactory* SensorConfigEditor::getFactory(int number) const {
    if (number < 1 || number > getSensorCount()) return nullptr;
    const std::string& index = ini.get(getSection(number), "FactoryIndex");
    const int i = convertStringTo<int>(index);
    return !index.empty() && i >= 0 && i < int(factories.size()) ? factories[i] : nullptr;
}

std::string SensorConfigEditor::describe(int number) const {
    ISensorFactory* factory = getFactory(number);
    return std::to_string(number) + ": " + (factory ? factory->getName() : "Unknown sensor kind");
}

int SensorConfigEditor::addSensor(int factoryIndex) {
    if (factoryIndex < 0 || factoryIndex >= int(factories.size())) return -1;
    ISensorFactory* factory = factories[factoryIndex];
    const int number = getSensorCount() + 1;
    const std::string section = getSection(number);
    // A section left behind by a hand edit must not lend its keys.
    ini.removeSection(section);
    ini.set(section, "FactoryIndex", std::to_string(factoryIndex));
    ini.set(section, "FactoryName", factory->getName());
    if (auto* described = dynamic_cast<ASettingsSensorFactory*>(factory)) {
        std::vector<SettingsEntry> entries;
        parseSettingsDescriptor(described->getSettingsDescriptor(), entries);
        completeSettingsSection(&ini, section, entries);
    }
    setSensorCount(number);
    return number;
}

void SensorConfigEditor::removeSensor(int number) {
    const int count = getSensorCount();
    if (number < 1 || number > count) return;
    for (int i = number; i < count; ++i) ini.moveSection(getSection(i + 1), getSection(i));
    if (number == count) ini.removeSection(getSection(number));
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        const int source = getDefaultSource(ISensorData::Type(t));
        if (source == number) ini.set("", sourceKey(t), "0");
        else if (source > number) ini.set("", sourceKey(t), std::to_string(source - 1));
    }
    setSensorCount(count - 1);
}

int SensorConfigEditor::getDefaultSource(ISensorData::Type type) const {
    const int source = convertStringTo<int>(ini.get("", sourceKey(type)));
    return source >= 0 && source <= getSensorCount() ? source : 0;
}

bool SensorConfigEditor::setDefaultSource(ISensorData::Type type, int number) {
    if (number != 0) {
        ISensorFactory* factory = getFactory(number);
        if (!factory || !factory->isDataTypeSupported(type)) return false;
    }
    ini.set("", sourceKey(type), std::to_string(number));
    return true;
}

void applySensorConfig(IniFile& config, const std::string& path, SensorManager& manager,
                       const std::function<void(IniFile&)>& onSaved) {
    if (!config.save(path)) logMessage("Cannot save the sensor configuration to " + path);
    if (onSaved) onSaved(config);
    else manager.loadSensorSettingsFromIni(&config, false);
}
