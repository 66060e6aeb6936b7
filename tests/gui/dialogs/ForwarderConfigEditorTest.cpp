#include "gui/dialogs/ForwarderConfigEditor.h"

#include <gtest/gtest.h>

#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

TEST(ForwarderConfigEditor, RemovingAForwarderMovesTheLaterOnesUpWithTheirSettings) {
    SensorManager manager;
    registerSensorKinds(manager);
    IniFile ini;
    ini.set("F2", "TargetPort", "7");  // left behind by a hand edit
    ForwarderConfigEditor editor(ini, manager.getSensorForwarderFactories());
    for (int kind : {0, 1, 1, 2}) editor.addForwarder(kind);  // 2: no such kind
    ini.set("F0", "fileName", "Day.dat");
    ini.set("F1", "TargetPort", "2000");
    EXPECT_EQ(ini.get("F2", "TargetPort"), "");
    EXPECT_EQ(editor.describe(0), "1: Flight Recording (Day.dat)");

    editor.removeForwarder(0);
    EXPECT_EQ(ini.get("", "ForwarderCount"), "2");
    EXPECT_EQ(ini.get("F0", "TargetPort"), "2000");
    EXPECT_EQ(editor.describe(1), "2: UDP Forwarder");
    EXPECT_FALSE(ini.isSectionAvailable("F2"));
    editor.removeForwarder(5);
    ini.set("F1", "ForwarderFactory", "9");
    EXPECT_EQ(editor.describe(1), "2: Unknown forwarder kind");
}
