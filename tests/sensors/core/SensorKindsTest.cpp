// The registered kinds, presets and settings descriptors.
#include <gtest/gtest.h>

#include "SensorTestSupport.h"
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

    SensorManager manager;
    RecordingUI ui;
    IniFile ini;
};

TEST_F(SensorKindsTest, FactoriesStandInTheirPersistedPlaces) {
    const char* expected[] = {"Official SensorFusion",
                              "LogFile",
                              "UDP (forwarded data)",
                              "Flybox Autopilot + Sensors",
                              "FlightGear Flight Simulator",
                              "XPlane Flight Simulator",
                              "GDL90 compatible device",
                              "Position Simulation",
                              "RPCSensor",
                              "PFD Sensors / ProbeUnit 2"};
    const auto& factories = manager.getSensorFactories();
    ASSERT_EQ(factories.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(factories[i]->getName(), expected[i]);
        EXPECT_EQ(manager.findSensorFactory(expected[i]), int(i));
    }
    EXPECT_EQ(manager.findSensorFactory("No such kind"), -1);
    ASSERT_EQ(manager.getSensorForwarderFactories().size(), 2u);
    EXPECT_EQ(manager.getSensorForwarderFactories()[0]->getName(), "Flight Recording");
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t)
        EXPECT_NE(manager.getSensorDataFactory(ISensorData::Type(t)), nullptr);
}

TEST_F(SensorKindsTest, PresetsInTheirTitledSections) {
    const auto& sections = manager.getSensorConfigOverrideSections();
    ASSERT_EQ(sections.size(), 4u);
    EXPECT_EQ(sections[0].title, L"1. Flight Planning:");
    EXPECT_EQ(sections[1].title, L"2. Go Flying (no extra hardware):");
    EXPECT_EQ(sections[2].title, L"3. Go Flying (with extra hardware):");
    EXPECT_EQ(sections[3].title, L"4. Flight Review / Simulation / Other:");
    std::vector<std::wstring> names;
    for (const auto& s : sections)
        for (IConfigOverride* o : s.overrides) {
            names.push_back(o->getName());
            EXPECT_FALSE(o->getDescription().empty());
            EXPECT_EQ(o->getIcon().rfind("media/", 0), 0u);
        }
    const std::vector<std::wstring> expected = {L"Flight Planning Mode",
                                                L"Tablet/Phone Sensors",
                                                L"Int. GPS/GNSS only",
                                                L"Tavero Avionics ProbeUnit",
                                                L"Tavero Avionics",
                                                L"TalosAvionics Device",
                                                L"Levil Aviation Device",
                                                L"Generic GDL90 Device",
                                                L"Tablet/Phone + GDL90 Traffic/Weather",
                                                L"PilotAware",
                                                L"Flybox Autopilot + Sensors",
                                                L"Elektra Solar Interface",
                                                L"Play Flight Recording",
                                                L"Flight Simulator",
                                                L"Custom"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(sections[0].overrides.size(), 1u);
    EXPECT_EQ(sections[3].overrides.size(), 3u);
}

TEST_F(SensorKindsTest, GDL90PresetWritesOneDeviceSection) {
    ini.set("", "SensorCount", "3");
    ini.set("S2", "FactoryIndex", "7");  // from an earlier configuration
    ASSERT_TRUE(preset(L"Generic GDL90 Device")->OnConfigChosen(&ini));
    EXPECT_EQ(ini.get("", "SensorCount"), "2");
    EXPECT_EQ(ini.get("S1", "FactoryName"), "GDL90 compatible device");
    EXPECT_EQ(ini.get("S1", "FactoryIndex"), "6");
    EXPECT_EQ(ini.get("S1", "port"), "4000");
    EXPECT_EQ(ini.get("S1", "flavor"), "Generic");
    EXPECT_FALSE(ini.isSectionAvailable("S2"));
    EXPECT_EQ(ini.get("", "D4"), "1");   // position from the device
    EXPECT_EQ(ini.get("", "D15"), "1");  // traffic
    EXPECT_EQ(ini.get("", "D14"), "0");  // raw data: not a GDL90 type
}

TEST_F(SensorKindsTest, WeatherTrafficPresetAsksAndWritesTwoSensors) {
    ui.answer = 1;  // "GPS/GNNS only"
    ASSERT_TRUE(preset(L"Tablet/Phone + GDL90 Traffic/Weather")->OnConfigChosen(&ini));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], L"Please select your prefered Tablet/Phone sensor usage:");
    EXPECT_EQ(ui.lastChoices,
              (std::vector<std::wstring>{L"Tablet/Phone Sensors with AHRS", L"GPS/GNNS only", L"Cancel"}));
    EXPECT_EQ(ini.get("", "SensorCount"), "3");
    EXPECT_EQ(ini.get("S1", "FactoryName"), "Official SensorFusion");
    EXPECT_EQ(ini.get("S1", "FactoryIndex"), "0");
    EXPECT_EQ(ini.get("S1", "configMode"), "INTERNAL_GNSS_ONLY");
    EXPECT_EQ(ini.get("S1", "AccSigma"), "0.33");
    EXPECT_EQ(ini.get("S1", "timeout"), "2000");
    EXPECT_EQ(ini.get("S2", "FactoryName"), "GDL90 compatible device");
    EXPECT_EQ(ini.get("S2", "port"), "4000");
    EXPECT_EQ(ini.get("S2", "flavor"), "Generic");
    EXPECT_EQ(ini.get("", "D1"), "1");   // attitude from the fusion
    EXPECT_EQ(ini.get("", "D15"), "2");  // traffic from the GDL90 device
    EXPECT_EQ(ini.get("", "D18"), "2");  // uplink too

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
    EXPECT_EQ(ui.questions.back(), L"Please select your Flight Simulator:");
    EXPECT_EQ(ini.get("S1", "FactoryName"), "XPlane Flight Simulator");
    EXPECT_EQ(ini.get("S1", "FactoryIndex"), "5");
    ui.answer = -1;  // no UI answer: nothing changes
    EXPECT_FALSE(preset(L"Flight Simulator")->OnConfigChosen(&ini));
    EXPECT_EQ(ini.get("S1", "FactoryIndex"), "5");
    EXPECT_FALSE(preset(L"Custom")->OnConfigChosen(&ini));
    EXPECT_EQ(ini.get("S1", "FactoryIndex"), "5");
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

TEST(SettingsDescriptor, ParsesTheGDL90Descriptor) {
    std::vector<SettingsEntry> entries;
    ASSERT_TRUE(parseSettingsDescriptor(
        "port,Port (UDP):,4000,INT;flavor,Flavor:,Generic\\;Talos\\;Levil\\;PilotAware\\;uAvionix,ONE_OF;"
        "useSerial,Use Serial Port instead of UDP,0,BOOLEAN;deviceNode,Device Node: ,/dev/ttyUSB0,STRING;"
        "baudRate,Baudrate: ,230400,INT;",
        entries));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].key, "port");
    EXPECT_EQ(entries[0].label, "Port (UDP):");
    EXPECT_EQ(entries[0].type, SettingsEntry::INT);
    EXPECT_EQ(entries[1].type, SettingsEntry::ONE_OF);
    EXPECT_EQ(entries[1].choices,
              (std::vector<std::string>{"Generic", "Talos", "Levil", "PilotAware", "uAvionix"}));
    EXPECT_EQ(entries[1].defaultValue, "Generic");
    EXPECT_EQ(entries[2].type, SettingsEntry::BOOLEAN);
    EXPECT_EQ(entries[3].label, "Device Node: ");
    EXPECT_EQ(entries[3].defaultValue, "/dev/ttyUSB0");
    IniSection defaults = getSettingsDefaults(entries);
    EXPECT_EQ(defaults["baudRate"], "230400");
    EXPECT_EQ(defaults["flavor"], "Generic");
}

TEST(SettingsDescriptor, WrongFieldCountIsASyntaxError) {
    std::vector<SettingsEntry> entries;
    std::vector<std::string> errors;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(parseSettingsDescriptor("a,A,1,INT;b,B,2;c,C,x,NOT_EDITABLE;d,D,1,DOUBLE,extra;e,E,1,FLOAT;",
                                         entries, &errors));
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[1].type, SettingsEntry::SYNTAX_ERROR);
    EXPECT_EQ(entries[1].label, "Syntax error");
    EXPECT_EQ(entries[2].type, SettingsEntry::NOT_EDITABLE);
    EXPECT_EQ(entries[3].type, SettingsEntry::SYNTAX_ERROR);
    EXPECT_EQ(entries[4].type, SettingsEntry::SYNTAX_ERROR);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0], "ERROR: Wrong number of arguments (must be 4 for IniEditor).");
    EXPECT_EQ(errors[1], "ERROR: Wrong number of arguments (must be 4 for IniEditor).");
    // Syntax errors contribute no defaults.
    EXPECT_EQ(getSettingsDefaults(entries).size(), 2u);
}

TEST(SettingsDescriptor, SetupCompletesTheSectionWithDefaults) {
    SensorManager manager;
    registerSensorKinds(manager);
    IniFile ini;
    ini.set("S1", "groundSpeed", "120");
    ISensorFactory* sim = manager.getSensorFactories()[7];
    sim->setup(&ini, "S1");
    EXPECT_EQ(ini.get("S1", "groundSpeed"), "120");
    EXPECT_EQ(ini.get("S1", "updateRate"), "10");
    EXPECT_EQ(ini.get("S1", "startLatitude"), "49.1947");
}

}  // namespace
