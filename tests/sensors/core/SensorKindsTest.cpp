#include <gtest/gtest.h>

#include <iterator>

#include "SensorTestSupport.h"
#include "sensors/ASettingsSensorFactory.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorPresets.h"
#include "sensors/SettingsDescriptor.h"

namespace {

class SensorKindsTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerSensorKinds(manager);
        manager.setUI(&ui);
    }
    IConfigOverride* preset(const std::wstring& name) {
        for (const auto& section : manager.getSensorConfigOverrideSections())
            for (IConfigOverride* o : section.overrides)
                if (o->getName() == name) return o;
        return nullptr;
    }
    // "section/key=value" for each of `keys`, to compare at once.
    std::string valuesOf(std::initializer_list<std::string> keys) {
        std::string out;
        for (const std::string& key : keys)
            out += key + "=" + ini.get(key.substr(0, key.find('/')), key.substr(key.find('/') + 1)) + " ";
        return out;
    }
    SensorManager manager;
    RecordingUI ui;
    IniFile ini;
};

TEST_F(SensorKindsTest, KindsKeepTheirPersistedPlacesAndPresetsNameThem) {
    // Settings files store a sensor by the index of its kind, so existing
    // kinds keep their places; every preset must name the kind at its index.
    const char* const kPersistedOrder[] = {"Official SensorFusion",
                                           "LogFile",
                                           "UDP (forwarded data)",
                                           "Flybox Autopilot + Sensors",
                                           "FlightGear Flight Simulator",
                                           "XPlane Flight Simulator",
                                           "GDL90 compatible device",
                                           "Position Simulation",
                                           "RPCSensor",
                                           "PFD Sensors / ProbeUnit 2",
                                           "Network ADS-B (Beast/AVR)",
                                           "RTL-SDR ADS-B"};
    const auto& factories = manager.getSensorFactories();
    ASSERT_EQ(factories.size(), std::size(kPersistedOrder));
    for (size_t i = 0; i < factories.size(); ++i)
        EXPECT_EQ(manager.findSensorFactory(kPersistedOrder[i]), int(i)) << kPersistedOrder[i];
    EXPECT_EQ(manager.findSensorFactory("No such kind"), -1);
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t)
        EXPECT_NE(manager.getSensorDataFactory(ISensorData::Type(t)), nullptr);
    for (const auto& section : manager.getSensorConfigOverrideSections())
        for (IConfigOverride* o : section.overrides) {
            if (o->getName() == L"Custom") continue;
            IniFile chosen;
            ui.answer = 0;
            EXPECT_TRUE(o->OnConfigChosen(&chosen)) << std::string(o->getName().begin(), o->getName().end());
            const int index = std::stoi(chosen.get("S1", "FactoryIndex"));
            ASSERT_LT(size_t(index), factories.size());
            EXPECT_EQ(factories[index]->getName(), chosen.get("S1", "FactoryName"));
        }
}

TEST_F(SensorKindsTest, WeatherTrafficPresetAsksAndWritesTwoSensors) {
    ui.answer = 1;  // "GPS/GNNS only"
    ASSERT_TRUE(preset(L"Tablet/Phone + GDL90 Traffic/Weather")->OnConfigChosen(&ini));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.lastChoices.size(), 3u);
    // Attitude (D1) from the fusion, traffic (D15) and uplink (D18) from the GDL90 device.
    EXPECT_EQ(valuesOf({"/SensorCount", "S1/FactoryName", "S1/configMode", "S2/FactoryName", "/D1", "/D15", "/D18"}),
              "/SensorCount=3 S1/FactoryName=Official SensorFusion S1/configMode=INTERNAL_GNSS_ONLY "
              "S2/FactoryName=GDL90 compatible device /D1=1 /D15=2 /D18=2 ");
    IniFile untouched;
    ui.answer = 2;  // Cancel
    EXPECT_FALSE(preset(L"Tablet/Phone + GDL90 Traffic/Weather")->OnConfigChosen(&untouched));
    EXPECT_TRUE(untouched.getSections().empty());
}

TEST_F(SensorKindsTest, ChooserRunsThePresetBeforeLoading) {
    ui.chosen = preset(L"Flight Planning Mode");
    EXPECT_TRUE(manager.loadSensorSettingsFromIni(&ini, true));
    EXPECT_EQ(ini.get("S1", "FactoryName"), "Position Simulation");
    ASSERT_EQ(manager.getSensorInterfaceCount(), 2);
    EXPECT_EQ(manager.getSensorInterface(1)->getName(), "Position Simulation");
    EXPECT_EQ(manager.getDefaultSensorIndex(ISensorData::ATTITUDE), 1);
    ui.chosen = nullptr;  // keep the last settings
    EXPECT_FALSE(manager.loadSensorSettingsFromIni(&ini, true));
    EXPECT_EQ(manager.getSensorInterfaceCount(), 2);
}

TEST_F(SensorKindsTest, KindsNotYetAvailableSayItAndReportWrong) {
    for (const char* name : {"Official SensorFusion", "RPCSensor", "PFD Sensors / ProbeUnit 2"}) {
        ISensorFactory* f = manager.getSensorFactories()[manager.findSensorFactory(name)];
        std::unique_ptr<ISensor> sensor(f->Create());
        EXPECT_EQ(sensor->getName(), name);
        EXPECT_FALSE(sensor->Update());
        EXPECT_FALSE(sensor->getSupportedDataTypes().empty()) << name;
        for (ISensorData::Type t : sensor->getSupportedDataTypes()) EXPECT_EQ(sensor->getWarning(t), ISensor::WRONG);
    }
}

TEST(SettingsDescriptor, SetupCompletesTheSectionWithDefaults) {
    SensorManager manager;
    registerSensorKinds(manager);
    auto* sim = dynamic_cast<ASettingsSensorFactory*>(
        manager.getSensorFactories()[manager.findSensorFactory("Position Simulation")]);
    ASSERT_NE(sim, nullptr);
    std::vector<SettingsEntry> entries;
    ASSERT_TRUE(parseSettingsDescriptor(sim->getSettingsDescriptor(), entries));
    IniFile ini;
    ini.set("S1", "groundSpeed", "120");
    sim->setup(&ini, "S1");
    for (const auto& [key, value] : getSettingsDefaults(entries))
        EXPECT_EQ(ini.get("S1", key), key == "groundSpeed" ? "120" : value) << key;
}

}  // namespace
