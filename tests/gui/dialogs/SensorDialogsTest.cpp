#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "gui/dialogs/AltimeterDialog.h"
#include "gui/dialogs/GDL90CalibrationDialog.h"
#include "gui/dialogs/SettingsEditorDialog.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "sensors/gdl90/GDL90Sensor.h"
#include "sensors/gdl90/GDL90VendorMessages.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
// A GDL90 unit on a serial line that does not exist: no sockets, fed by hand.
struct Unit {
    explicit Unit(SensorManager& m, GDL90Sensor::Flavor flavor = GDL90Sensor::Generic)
        : sensor(m, {4000, flavor, true, "/nonexistent/tty", 230400}, [] { return 100.0; }) {}
    void report(double roll, double pitch) {
        auto ahrs = std::make_unique<StratuxAHRSMessage>();
        ahrs->roll = roll, ahrs->pitch = pitch, ahrs->rollValid = ahrs->pitchValid = true;
        sensor.processReceivedGDL90Message(std::move(ahrs), 100.0);
        sensor.updateDataExceptTrafficAndUAT(100.0);
    }
    GDL90Sensor sensor;
};
}  // namespace

TEST(SensorDialogs, ATiltedMountTakenAsLevelIsSavedAppliedAndLoadedBack) {
    TestScreen screen(800, 480);
    SensorManager manager;
    registerSensorKinds(manager);
    Unit unit(manager), talos(manager, GDL90Sensor::Talos);
    unit.report(-4.0, 2.5);  // right wing down and nose up as the device reports
    TempDir dir;
    IniFile ini;
    {
        GDL90CalibrationDialog dialog(screen.context, &unit.sensor, &ini, "S1", dir / "config.ini");
        screen.show(dialog);
        screen.click(findButton(dialog.getWindow(), L"Take as level"));
        screen.click(findButton(dialog.getWindow(), L"OK"));
    }
    EXPECT_EQ(IniFile(dir / "config.ini").getSection("S1"), (IniSection{{"pitchOffset", "2.5"}, {"rollOffset", "-4"}}));
    double roll = 1, pitch = 1;
    unit.report(-4.0, 2.5);
    ASSERT_TRUE(unit.sensor.getAttitudeDegrees(roll, pitch));
    EXPECT_TRUE(std::abs(roll) < 1e-9 && std::abs(pitch) < 1e-9);
    GDL90SensorFactory factory(&manager);
    factory.loadSetupFromIni(&ini, "S1");
    std::unique_ptr<ISensor> restarted(factory.Create());
    EXPECT_EQ(static_cast<GDL90Sensor*>(restarted.get())->getRollOffset(), -4.0);

    GDL90CalibrationDialog talosDialog(screen.context, &talos.sensor, &ini, "S2");
    screen.show(talosDialog);
    EXPECT_TRUE(hasText(talosDialog.getWindow(), L"Please use the free Talos A-EFIS app for calibration."));
}

TEST(SensorDialogs, AutopilotOutputIsSavedAndReadByTheSensor) {
    TestScreen screen(1080, 1920);
    SensorManager manager;
    registerSensorKinds(manager);
    Unit unit(manager);
    TempDir dir;
    AutopilotSettingsDialog dialog(screen.context, unit.sensor, dir / "autopilotConfig.ini", "S1");
    screen.show(dialog);
    screen.click(elementsOf<gui::IGUICheckBox>(dialog.getWindow(), gui::EGUIET_CHECK_BOX).at(0));
    screen.type(elementsOf<gui::IGUIEditBox>(dialog.getWindow(), gui::EGUIET_EDIT_BOX).at(0), L"500");
    screen.click(findButton(dialog.getWindow(), L"OK"));
    EXPECT_EQ(IniFile(dir / "autopilotConfig.ini").getSection("S1"),
              (IniSection{{"autopilotEnabled", "1"}, {"autopilotPeriodMs", "500"}}));
    EXPECT_TRUE(unit.sensor.isAutopilotEnabled());
}

TEST(SensorDialogs, AltimeterDialogHandsTheSettingToTheSensorManager) {
    TestScreen screen(1920, 1080);
    SensorManager manager;
    IniFile none;
    manager.loadSensorSettingsFromIni(&none, false);
    AltimeterDialog dialog(screen.context, manager, units::UnitConverter::INCHES_OF_MERCURY);
    screen.show(dialog);
    gui::IGUIEditBox* edit = elementsOf<gui::IGUIEditBox>(dialog.getWindow(), gui::EGUIET_EDIT_BOX).at(0);
    EXPECT_EQ(std::wstring(edit->getText()), L"29.92");  // 1013.25 hPa, between two steps
    screen.click(findButton(dialog.getWindow(), L"+"));
    screen.click(findButton(dialog.getWindow(), L"+"));
    EXPECT_EQ(std::wstring(edit->getText()), L"29.94");
    screen.type(edit, L"2950");  // no pressure in inches
    screen.click(findButton(dialog.getWindow(), L"OK"));
    EXPECT_FALSE(dialog.isFinished());
    screen.type(edit, L"29.50");
    screen.click(findButton(dialog.getWindow(), L"-"));
    screen.click(findButton(dialog.getWindow(), L"OK"));
    EXPECT_NEAR(manager.getFallbackSeaLevelPressure(), 29.49 * units::kHectopascalsPerInchOfMercury, 1e-9);
    EXPECT_TRUE(manager.isAltimeterFallbackForced());
}
