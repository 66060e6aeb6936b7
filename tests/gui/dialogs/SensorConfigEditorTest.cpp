#include "gui/dialogs/SensorConfigEditor.h"

#include <gtest/gtest.h>

#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

namespace {
constexpr int kGDL90 = 6, kSimulation = 7;
}  // namespace

TEST(SensorConfigEditor, RemovingASensorRenumbersTheRestAndTheirSources) {
    SensorManager manager;
    registerSensorKinds(manager);
    IniFile ini;
    SensorConfigEditor editor(ini, manager.getSensorFactories());
    for (int kind : {kSimulation, kGDL90, kSimulation, 42}) editor.addSensor(kind);  // 42: no such kind
    ini.set("S3", "speed", "fast");
    editor.setDefaultSource(ISensorData::POSITION, 1);
    editor.setDefaultSource(ISensorData::TRAFFIC, 2);
    editor.setDefaultSource(ISensorData::GPS, 3);
    ini.set("", "D5", "9");  // out of range reads as "None"

    editor.removeSensor(1);
    EXPECT_EQ(editor.describe(1), "1: GDL90 compatible device");
    EXPECT_EQ(ini.get("S2", "speed"), "fast");
    EXPECT_FALSE(ini.isSectionAvailable("S3"));
    EXPECT_EQ(editor.getDefaultSource(ISensorData::POSITION), 0);
    EXPECT_EQ(editor.getDefaultSource(ISensorData::TRAFFIC), 1);
    EXPECT_EQ(editor.getDefaultSource(ISensorData::GPS), 2);
    editor.removeSensor(2);
    EXPECT_EQ(ini.get("", "SensorCount"), "2");
    EXPECT_EQ(editor.getDefaultSource(ISensorData::GPS), 0);
    ini.set("S1", "FactoryIndex", "42");
    EXPECT_EQ(editor.describe(1), "1: Unknown sensor kind");
    EXPECT_FALSE(editor.setDefaultSource(ISensorData::POSITION, 1));
}
