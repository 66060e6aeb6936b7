#include "sensors/SensorManager.h"

#include <algorithm>
#include <cstdio>

#include "base/IniFile.h"
#include "base/Logger.h"
#include "base/StringConversions.h"
#include "base/Time.h"
#include "sensors/NullSensor.h"

SensorManager::SensorManager() {
    verticalSpeedFilter.setRate(kPressureVerticalSpeedRate);
}

SensorManager::~SensorManager() {
    unload();
    for (ISensorFactory* f : sensorFactories) delete f;
    for (ISensorForwarderFactory* f : forwarderFactories) delete f;
    for (ISensorDataFactory* f : dataFactories) delete f;
    for (ConfigOverrideSection& section : overrideSections)
        for (IConfigOverride* o : section.overrides) delete o;
}

// ---------------------------------------------------------------- registries

void SensorManager::addSensorFactory(ISensorFactory* factory) { sensorFactories.push_back(factory); }

void SensorManager::addSensorForwarderFactory(ISensorForwarderFactory* factory) {
    forwarderFactories.push_back(factory);
}

void SensorManager::addSensorDataFactory(ISensorData::Type type, ISensorDataFactory* factory) {
    if (type < 0 || type >= ISensorData::TYPE_COUNT) {
        delete factory;
        return;
    }
    if (dataFactories[type] != factory) delete dataFactories[type];
    dataFactories[type] = factory;
}

void SensorManager::addSensorConfigOverrideSection(const std::wstring& title) {
    overrideSections.push_back({title, {}});
}

void SensorManager::addSensorConfigOverride(IConfigOverride* configOverride) {
    if (overrideSections.empty()) overrideSections.push_back({L"", {}});
    overrideSections.back().overrides.push_back(configOverride);
}

int SensorManager::findSensorFactory(const std::string& name) const {
    for (size_t i = 0; i < sensorFactories.size(); ++i)
        if (sensorFactories[i]->getName() == name) return int(i);
    logMessage("Fatal error: SensorFactory not found.");
    return -1;
}

ISensorDataFactory* SensorManager::getSensorDataFactory(ISensorData::Type type) const {
    if (type < 0 || type >= ISensorData::TYPE_COUNT) return nullptr;
    return dataFactories[type];
}

ISensorData* SensorManager::createSensorData(ISensorData::Type type) const {
    ISensorDataFactory* factory = getSensorDataFactory(type);
    return factory ? factory->Create() : nullptr;
}

// ------------------------------------------------------------------- sensors

ISensor* SensorManager::getSensorInterface(int index) const {
    if (index < 0 || index >= int(sensors.size())) return nullptr;
    return sensors[index];
}

std::vector<ISensor*> SensorManager::getSensorInterfaces(ISensorData::Type type) const {
    std::vector<ISensor*> result;
    for (ISensor* s : sensors)
        if (s->isDataTypeSupported(type)) result.push_back(s);
    return result;
}

ISensor* SensorManager::getDefaultSensor(ISensorData::Type type) const {
    return getSensorInterface(getDefaultSensorIndex(type));
}

int SensorManager::getDefaultSensorIndex(ISensorData::Type type) const {
    if (type < 0 || type >= ISensorData::TYPE_COUNT) return 0;
    return defaultSources[type];
}

bool SensorManager::setDefaultSensor(ISensorData::Type type, int index) {
    ISensor* sensor = getSensorInterface(index);
    if (type < 0 || type >= ISensorData::TYPE_COUNT || !sensor || !sensor->isDataTypeSupported(type)) {
        showMessage(this, L"Data Type not supported by selected sensor.", ISensorManagerUI::WARNING, 5000);
        return false;
    }
    defaultSources[type] = index;
    return true;
}

bool SensorManager::isDataAvailable(ISensorData::Type type) const {
    const int index = getDefaultSensorIndex(type);
    ISensor* sensor = getSensorInterface(index);
    return index != 0 && sensor && sensor->getData(type) && sensor->getWarning(type) != ISensor::WRONG;
}

ISensorForwarder* SensorManager::getSensorForwarder(int index) const {
    if (index < 0 || index >= int(forwarders.size())) return nullptr;
    return forwarders[index].first;
}

int SensorManager::getSensorForwarderConfigIndex(int index) const {
    if (index < 0 || index >= int(forwarders.size())) return -1;
    return forwarders[index].second;
}

void SensorManager::addSensorForwarder(int configIndex, ISensorForwarder* forwarder) {
    forwarders.emplace_back(forwarder, configIndex);
}

void SensorManager::deleteSensorForwarder(int index) {
    if (index < 0 || index >= int(forwarders.size())) return;
    delete forwarders[index].first;
    forwarders.erase(forwarders.begin() + index);
}

void SensorManager::setAllForwarderPause(bool pause) {
    for (auto& f : forwarders) f.first->setPause(pause);
}

void SensorManager::registerSensorDataReceiver(ISensorDataReceiver* receiver) {
    if (std::find(receivers.begin(), receivers.end(), receiver) == receivers.end()) receivers.push_back(receiver);
}

void SensorManager::unregisterSensorDataReceiver(ISensorDataReceiver* receiver) {
    receivers.erase(std::remove(receivers.begin(), receivers.end(), receiver), receivers.end());
}

// ------------------------------------------------------------------- loading

bool SensorManager::loadSensorSettingsFromIni(IniFile* ini, bool chooseFirst) {
    unload();
    bool rewritten = false;
    if (chooseFirst && ui) {
        IConfigOverride* chosen = ui->chooseSensorConfigOverride(overrideSections);
        if (chosen) rewritten = chosen->OnConfigChosen(ini);
    }
    sensors.push_back(new NullSensor(*this));
    const IniSection& top = ini->getSection("");
    readTopSettings(top);
    loadSensors(ini, top);
    loadDefaultSources(top);
    loadForwarders(ini, top);

    magneticVariation.reset();
    verticalSpeedFilter.reset();
    pressureVerticalSpeed.reset();
    haveVerticalSpeedTimeStamp = false;
    if (ui) ui->OnSensorChanged();
    return rewritten;
}

void SensorManager::readTopSettings(const IniSection& top) {
    trackReference = getFromIniSection(top, "trackMode", "") == "Magnetic North" ? MAGNETIC_NORTH : TRUE_NORTH;
    deriveVerticalSpeedFromPressure = getFromIniSection(top, "deriveVerticalSpeedFromPressure", "1") != "0";
    verticalSpeedFilter.setRate(deriveVerticalSpeedFromPressure ? kPressureVerticalSpeedRate
                                                                : kSensorVerticalSpeedRate);
    trafficWarningAltitudeFeet = convertStringTo<int>(getFromIniSection(top, "trafficWarningAlitude", "0"));
    trafficWarningsEnabled = getFromIniSection(top, "enableTrafficWarnings", false);
    const std::string iaq = getFromIniSection(top, "iaqSensitivity", "");
    iaqSensitivity = iaq == "low" ? 2 : (iaq == "medium" ? 1 : 0);
    pressureInInchesOfMercury = getFromIniSection(top, "PRESSURE", "") == "Hg";
}

namespace {
// The factory index a section stores under `key`; -1 when the key is missing
// or the index names no factory.
int storedFactoryIndex(IniFile* ini, const std::string& section, const char* key, size_t factoryCount) {
    if (!ini->isAvailable(section, key)) return -1;
    const int index = convertStringTo<int>(ini->get(section, key));
    return index >= 0 && index < int(factoryCount) ? index : -1;
}
}  // namespace

void SensorManager::loadSensors(IniFile* ini, const IniSection& top) {
    const int count = convertStringTo<int>(getFromIniSection(top, "SensorCount", "0"));
    for (int i = 1; i < count; ++i) {
        const std::string section = "S" + std::to_string(i);
        const int factoryIndex = storedFactoryIndex(ini, section, "FactoryIndex", sensorFactories.size());
        if (factoryIndex < 0) continue;
        ISensorFactory* factory = sensorFactories[factoryIndex];
        factory->loadSetupFromIni(ini, section);
        if (ISensor* sensor = factory->Create()) sensors.push_back(sensor);
        if (ui) ui->OnLoadProgress();
    }
}

void SensorManager::loadDefaultSources(const IniSection& top) {
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        const std::string key = "D" + std::to_string(t);
        const int index = convertStringTo<int>(getFromIniSection(top, key, "0"));
        defaultSources[t] = (index >= 0 && index < int(sensors.size())) ? index : 0;
    }
}

void SensorManager::loadForwarders(IniFile* ini, const IniSection& top) {
    const int count = convertStringTo<int>(getFromIniSection(top, "ForwarderCount", "0"));
    for (int j = 0; j < count; ++j) {
        const std::string section = "F" + std::to_string(j);
        const int factoryIndex = storedFactoryIndex(ini, section, "ForwarderFactory", forwarderFactories.size());
        if (factoryIndex < 0) continue;
        ISensorForwarderFactory* factory = forwarderFactories[factoryIndex];
        if (!factory->loadSetupFromIni(ini, section)) continue;
        if (ISensorForwarder* forwarder = factory->Create()) addSensorForwarder(j, forwarder);
    }
}

void SensorManager::unload() {
    for (auto& f : forwarders) delete f.first;
    forwarders.clear();
    for (ISensor* s : sensors) delete s;
    sensors.clear();
    std::fill(std::begin(defaultSources), std::end(defaultSources), 0);
    overallWarning = ISensor::WRONG;
}

void SensorManager::OnScreenChanged() {
    // Set-up screens of sensors and forwarders lay themselves out anew.
    for (ISensorFactory* f : sensorFactories) f->OnScreenChanged();
    for (ISensorForwarderFactory* f : forwarderFactories) f->OnScreenChanged();
    for (ISensor* s : sensors) s->OnScreenChanged();
}

void SensorManager::tryShutdown() {
    std::printf("tryShutdown\n");
    for (ISensor* s : sensors) s->OnShutdown();
}

// -------------------------------------------------------------------- update

double SensorManager::now() const { return clock ? clock() : getSecs(); }

void SensorManager::Update() {
    const double t = now();
    updateBattery(t);
    pollAndForward();
    updateOverallWarning();
    updateVerticalSpeed(t);
    if (trafficWarningsEnabled && trafficWarningHook && isDataAvailable(ISensorData::TRAFFIC) &&
        isDataAvailable(ISensorData::POSITION))
        trafficWarningHook(*this);
    for (size_t i = 0; i < receivers.size(); ++i) receivers[i]->OnSensorUpdate(this);
    if (logbookHook) logbookHook();
    updateMagneticVariation();
}

void SensorManager::updateBattery(double t) {
    if (t - lastBatteryPoll < 1.0) return;
    lastBatteryPoll = t;
    const std::wstring message = battery.poll();
    if (!message.empty()) showMessage(&battery, message, ISensorManagerUI::WARNING, 10000);
}

void SensorManager::pollAndForward() {
    for (size_t i = 0; i < sensors.size(); ++i) {
        ISensor* sensor = sensors[i];
        if (!sensor->Update() || i == 0) continue;
        for (auto& f : forwarders) f.first->forward(sensor);
    }
}

void SensorManager::updateOverallWarning() {
    ISensor::WarningLevel worst = ISensor::GOOD;
    if (sensors.empty()) worst = ISensor::WRONG;
    for (ISensorData::Type type :
         {ISensorData::POSITION, ISensorData::ATTITUDE, ISensorData::HEADING, ISensorData::ALTITUDE}) {
        ISensor* sensor = getDefaultSensor(type);
        if (!sensor) continue;
        worst = std::max(worst, sensor->getWarning(type));
    }
    overallWarning = worst;
}

void SensorManager::updateVerticalSpeed(double t) {
    if (deriveVerticalSpeedFromPressure) {
        if (Pressure_Data* pressure = getMostSuitablePressureData()) {
            verticalSpeedFilter.setRate(kPressureVerticalSpeedRate);
            if (!haveVerticalSpeedTimeStamp || pressure->timeStamp != lastVerticalSpeedTimeStamp) {
                haveVerticalSpeedTimeStamp = true;
                lastVerticalSpeedTimeStamp = pressure->timeStamp;
                double speed = 0.0;
                if (pressureVerticalSpeed.addReading(pressure->pressure, pressure->timeStamp, &speed))
                    verticalSpeedFilter.addInput(speed, t);
            }
            return;
        }
    }
    verticalSpeedFilter.setRate(kSensorVerticalSpeedRate);
    ISensor* sensor = getDefaultSensor(ISensorData::VERTICALSPEED);
    auto* vs = sensor ? static_cast<VerticalSpeed_Data*>(sensor->getData(ISensorData::VERTICALSPEED)) : nullptr;
    if (!vs || getDefaultSensorIndex(ISensorData::VERTICALSPEED) == 0) return;
    if (haveVerticalSpeedTimeStamp && vs->timeStamp == lastVerticalSpeedTimeStamp) return;
    haveVerticalSpeedTimeStamp = true;
    lastVerticalSpeedTimeStamp = vs->timeStamp;
    verticalSpeedFilter.addInput(vs->verticalSpeed, t);
}

void SensorManager::updateMagneticVariation() {
    if (!isDataAvailable(ISensorData::POSITION)) return;
    ISensor* positionSensor = getDefaultSensor(ISensorData::POSITION);
    ISensor* altitudeSensor = getDefaultSensor(ISensorData::ALTITUDE);
    auto* position = static_cast<Position_Data*>(positionSensor->getData(ISensorData::POSITION));
    auto* altitude = static_cast<Altitude_Data*>(altitudeSensor->getData(ISensorData::ALTITUDE));
    if (!position || !altitude) return;
    magneticVariation.update(ChartPosition(position->longitude, position->latitude), altitude->altitude);
}

// ------------------------------------------------------------------ messages

void SensorManager::showMessage(const void* owner, const std::wstring& text, int colour, int durationMs) {
    if (ui) ui->setMessage(owner, text, colour, durationMs);
}

void SensorManager::removeMessage(const void* owner) {
    if (ui) ui->removeMessage(owner);
}
