#include "gui/dialogs/SensorConfigEditor.h"

#include <gtest/gtest.h>

#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

namespace {
constexpr int kGDL90 = 6;
constexpr int kSimulation = 7;
}  // namespace

TEST(SensorConfigEditor, SensorsComeWithTheirKindAndDefaultsAndSourcesMustSupplyTheType) {
    SensorManager manager;
    registerSensorKinds(manager);
    IniFile ini;
    SensorConfigEditor editor(ini, manager.getSensorFactories());
    ini.set("S1", "stale", "from a hand edit");
    EXPECT_EQ(editor.addSensor(kGDL90), 1);
    EXPECT_EQ(editor.addSensor(kSimulation), 2);
    EXPECT_EQ(editor.addSensor(10), -1);
    EXPECT_EQ(ini.get("", "SensorCount"), "3");
    EXPECT_EQ(ini.getSection("S1"), (IniSection{{"FactoryIndex", "6"}, {"FactoryName", "GDL90 compatible device"},
                                               {"port", "4000"}, {"flavor", "Generic"}, {"useSerial", "0"},
                                               {"deviceNode", "/dev/ttyUSB0"}, {"baudRate", "230400"}}));
    EXPECT_TRUE(editor.setDefaultSource(ISensorData::TRAFFIC, 1));
    EXPECT_FALSE(editor.setDefaultSource(ISensorData::TRAFFIC, 2));  // the simulation has no traffic
    EXPECT_FALSE(editor.setDefaultSource(ISensorData::ENGINE_DATA, 1));
    EXPECT_FALSE(editor.setDefaultSource(ISensorData::GPS, 3));
    EXPECT_EQ(editor.getDefaultSource(ISensorData::TRAFFIC), 1);
    ini.set("S2", "FactoryIndex", "42");
    EXPECT_EQ(editor.describe(2), "2: Unknown sensor kind");
    EXPECT_FALSE(editor.setDefaultSource(ISensorData::POSITION, 2));
}

TEST(SensorConfigEditor, RemovingASensorRenumbersTheRestAndTheirSources) {
    SensorManager manager;
    registerSensorKinds(manager);
    IniFile ini;
    SensorConfigEditor editor(ini, manager.getSensorFactories());
    for (int kind : {kSimulation, kGDL90, kSimulation}) editor.addSensor(kind);
    ini.set("S3", "speed", "fast");
    editor.setDefaultSource(ISensorData::POSITION, 1);
    editor.setDefaultSource(ISensorData::TRAFFIC, 2);
    editor.setDefaultSource(ISensorData::GPS, 3);
    ini.set("", "D5", "9");  // out of range reads as "None"
    EXPECT_EQ(editor.getDefaultSource(ISensorData::ALTITUDE), 0);

    editor.removeSensor(1);
    EXPECT_EQ(editor.describe(1), "1: GDL90 compatible device");
    EXPECT_EQ(ini.get("S2", "speed"), "fast");
    EXPECT_FALSE(ini.isSectionAvailable("S3"));
    EXPECT_EQ(editor.getDefaultSource(ISensorData::POSITION), 0);
    EXPECT_EQ(editor.getDefaultSource(ISensorData::TRAFFIC), 1);
    EXPECT_EQ(editor.getDefaultSource(ISensorData::GPS), 2);
    editor.removeSensor(2);
    editor.removeSensor(5);  // no such sensor
    EXPECT_EQ(ini.get("", "SensorCount"), "2");
    EXPECT_FALSE(ini.isSectionAvailable("S2"));
    EXPECT_EQ(editor.getDefaultSource(ISensorData::GPS), 0);
}
