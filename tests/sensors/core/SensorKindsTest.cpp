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
    const char* const kPersistedOrder[] = {"Official SensorFusion", "LogFile", "UDP (forwarded data)",
                                           "Flybox Autopilot + Sensors", "FlightGear Flight Simulator",
                                           "XPlane Flight Simulator", "GDL90 compatible device", "Position Simulation",
                                           "RPCSensor", "PFD Sensors / ProbeUnit 2"};
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

TEST_F(SensorKindsTest, GDL90PresetWritesOneDeviceSection) {
    ini.set("", "SensorCount", "3");
    ini.set("S2", "FactoryIndex", "7");  // from an earlier configuration
    ASSERT_TRUE(preset(L"Generic GDL90 Device")->OnConfigChosen(&ini));
    EXPECT_FALSE(ini.isSectionAvailable("S2"));
    // Position (D4) and traffic (D15) from the device; raw data (D14) is not a GDL90 type.
    EXPECT_EQ(valuesOf({"/SensorCount", "S1/FactoryName", "/D4", "/D15", "/D14"}),
              "/SensorCount=2 S1/FactoryName=GDL90 compatible device /D4=1 /D15=1 /D14=0 ");
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
    ui.answer = 0;
    ASSERT_TRUE(preset(L"Tablet/Phone + GDL90 Traffic/Weather")->OnConfigChosen(&untouched));
    EXPECT_EQ(untouched.get("S1", "configMode"), "INTERNAL_AHRS");
}

TEST_F(SensorKindsTest, FlightSimulatorPresetAndCustom) {
    ui.answer = 1;
    ASSERT_TRUE(preset(L"Flight Simulator")->OnConfigChosen(&ini));
    EXPECT_EQ(ini.get("S1", "FactoryName"), "XPlane Flight Simulator");
    ui.answer = -1;  // no UI answer: nothing changes
    EXPECT_FALSE(preset(L"Flight Simulator")->OnConfigChosen(&ini));
    EXPECT_FALSE(preset(L"Custom")->OnConfigChosen(&ini));
    EXPECT_EQ(ini.get("S1", "FactoryName"), "XPlane Flight Simulator");
}

TEST_F(SensorKindsTest, PresetForAMissingKindChangesNothing) {
    SensorManager bare;  // no factories registered
    registerSensorPresets(bare);
    IConfigOverride* planning = bare.getSensorConfigOverrideSections()[0].overrides[0];
    ini.set("", "SensorCount", "1");
    EXPECT_FALSE(planning->OnConfigChosen(&ini));
    EXPECT_EQ(ini.get("", "SensorCount"), "1");
}

TEST_F(SensorKindsTest, ChooserRunsThePresetBeforeLoading) {
    ui.chosen = preset(L"Flight Planning Mode");
    EXPECT_TRUE(manager.loadSensorSettingsFromIni(&ini, true));
    EXPECT_EQ(ini.get("S1", "FactoryName"), "Position Simulation");
    ASSERT_EQ(manager.getSensorInterfaceCount(), 2);
    EXPECT_EQ(manager.getSensorInterface(1)->getName(), "Position Simulation");
    EXPECT_EQ(manager.getDefaultSensorIndex(ISensorData::ATTITUDE), 1);
    EXPECT_EQ(manager.getDefaultSensorIndex(ISensorData::TRAFFIC), 0);
    ui.chosen = nullptr;  // keep the last settings
    EXPECT_FALSE(manager.loadSensorSettingsFromIni(&ini, true));
    EXPECT_EQ(manager.getSensorInterfaceCount(), 2);
}

TEST_F(SensorKindsTest, KindsNotYetAvailableSayItAndReportWrong) {
    for (const char* name : {"Official SensorFusion", "LogFile", "RPCSensor", "PFD Sensors / ProbeUnit 2"}) {
        ISensorFactory* f = manager.getSensorFactories()[manager.findSensorFactory(name)];
        std::unique_ptr<ISensor> sensor(f->Create());
        EXPECT_EQ(sensor->getName(), name);
        EXPECT_FALSE(sensor->Update());
        EXPECT_NE(sensor->getSensorDetails().find(L"not available"), std::wstring::npos) << name;
        EXPECT_FALSE(sensor->getSupportedDataTypes().empty()) << name;
        for (ISensorData::Type t : sensor->getSupportedDataTypes()) {
            EXPECT_EQ(sensor->getWarning(t), ISensor::WRONG);
            EXPECT_NE(sensor->getData(t), nullptr);
            EXPECT_TRUE(f->isDataTypeSupported(t));
        }
    }
    // A configured forwarder of a kind not yet available is not created.
    ini.setFromString("ForwarderCount = 1\n[F0]\nForwarderFactory = 1\n");
    manager.loadSensorSettingsFromIni(&ini, false);
    EXPECT_EQ(manager.getSensorForwarderCount(), 0);
}

TEST(SettingsDescriptor, ParsesEntriesChoicesAndDefaults) {
    std::vector<SettingsEntry> entries;
    ASSERT_TRUE(parseSettingsDescriptor(
        "port,Port (UDP):,4000,INT;flavor,Flavor:,Generic\\;Talos\\;Levil,ONE_OF;useSerial,Serial,0,BOOLEAN;"
        "deviceNode,Device Node: ,/dev/ttyUSB0,STRING;",
        entries));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].key, "port");
    EXPECT_EQ(std::vector<int>({entries[0].type, entries[1].type, entries[2].type, entries[3].type}),
              std::vector<int>({SettingsEntry::INT, SettingsEntry::ONE_OF, SettingsEntry::BOOLEAN, SettingsEntry::STRING}));
    EXPECT_EQ(entries[1].choices, (std::vector<std::string>{"Generic", "Talos", "Levil"}));
    EXPECT_EQ(entries[3].label, "Device Node: ");  // spaces kept
    EXPECT_EQ(getSettingsDefaults(entries), (IniSection{{"port", "4000"}, {"flavor", "Generic"}, {"useSerial", "0"},
                                                        {"deviceNode", "/dev/ttyUSB0"}}));  // the first choice
}

TEST(SettingsDescriptor, WrongFieldCountIsASyntaxError) {
    std::vector<SettingsEntry> entries;
    std::vector<std::string> errors;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(parseSettingsDescriptor("a,A,1,INT;b,B,2;c,C,x,NOT_EDITABLE;d,D,1,DOUBLE,extra;e,E,1,FLOAT;",
                                         entries, &errors));
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(std::vector<int>({entries[1].type, entries[2].type, entries[3].type, entries[4].type}),
              std::vector<int>({SettingsEntry::SYNTAX_ERROR, SettingsEntry::NOT_EDITABLE, SettingsEntry::SYNTAX_ERROR,
                                SettingsEntry::SYNTAX_ERROR}));
    EXPECT_EQ(entries[1].label, "Syntax error");
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0], "ERROR: Wrong number of arguments (must be 4 for IniEditor).");
    EXPECT_EQ(errors[1], errors[0]);
    // Syntax errors contribute no defaults.
    EXPECT_EQ(getSettingsDefaults(entries).size(), 2u);
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
