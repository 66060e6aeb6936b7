// The dialogs that act on running sensors: attitude calibration, autopilot
// output and the altimeter setting.
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
    Unit unit(manager);
    unit.report(-4.0, 2.5);  // right wing down and nose up as the device reports
    TempDir dir;
    IniFile ini;
    GDL90CalibrationDialog dialog(screen.context, &unit.sensor, &ini, "S1", dir / "config.ini");
    screen.show(dialog);
    screen.click(findButton(dialog.getWindow(), L"Take as level"));
    screen.click(findButton(dialog.getWindow(), L"OK"));
    ASSERT_TRUE(dialog.isAccepted());
    EXPECT_EQ(IniFile(dir / "config.ini").get("S1", "rollOffset"), "-4");
    EXPECT_EQ(ini.get("S1", "pitchOffset"), "2.5");
    double roll = 1, pitch = 1;
    unit.report(-4.0, 2.5);
    ASSERT_TRUE(unit.sensor.getAttitudeDegrees(roll, pitch));
    EXPECT_NEAR(roll, 0.0, 1e-9);
    EXPECT_NEAR(pitch, 0.0, 1e-9);

    GDL90SensorFactory factory(&manager);
    factory.loadSetupFromIni(&ini, "S1");
    std::unique_ptr<ISensor> restarted(factory.Create());
    EXPECT_EQ(static_cast<GDL90Sensor*>(restarted.get())->getRollOffset(), -4.0);

    Unit talos(manager, GDL90Sensor::Talos);
    GDL90CalibrationDialog talosDialog(screen.context, &talos.sensor, &ini, "S2");
    screen.show(talosDialog);
    EXPECT_EQ(findButton(talosDialog.getWindow(), L"Take as level"), nullptr);
    screen.click(findButton(talosDialog.getWindow(), L"OK"));
    EXPECT_TRUE(talosDialog.isFinished());
    EXPECT_FALSE(ini.isSectionAvailable("S2"));
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

TEST(SensorDialogs, AltimeterSettingStepsOnTheUnitsGridAndRejectsWhatIsNoPressure) {
    AltimeterSetting hpa(units::UnitConverter::HECTOPASCALS, 1013.25);
    hpa.step(-1);
    EXPECT_EQ(hpa.getText(), L"1013");
    AltimeterSetting inHg(units::UnitConverter::INCHES_OF_MERCURY, 1013.25);
    EXPECT_EQ(inHg.getText(), L"29.92");
    inHg.step(1);
    EXPECT_EQ(inHg.getText(), L"29.93");
    EXPECT_FALSE(inHg.setText(L"2992"));
    EXPECT_FALSE(inHg.setText(L"29,92"));
    EXPECT_TRUE(inHg.setText(L"30.12"));
    EXPECT_NEAR(inHg.getHectopascals(), 30.12 * units::kHectopascalsPerInchOfMercury, 1e-9);
    AltimeterSetting high(units::UnitConverter::MILLIMETRES_OF_MERCURY, 1100.0);
    high.step(1);
    EXPECT_EQ(high.getHectopascals(), AltimeterSetting::kHighestHectopascals);
}

TEST(SensorDialogs, AltimeterDialogHandsTheSettingToTheSensorManager) {
    TestScreen screen(1920, 1080);
    SensorManager manager;
    IniFile none;
    manager.loadSensorSettingsFromIni(&none, false);
    AltimeterDialog dialog(screen.context, manager, units::UnitConverter::HECTOPASCALS);
    screen.show(dialog);
    auto edits = elementsOf<gui::IGUIEditBox>(dialog.getWindow(), gui::EGUIET_EDIT_BOX);
    screen.click(findButton(dialog.getWindow(), L"+"));
    screen.click(findButton(dialog.getWindow(), L"+"));
    EXPECT_EQ(std::wstring(edits[0]->getText()), L"1015");
    screen.type(edits[0], L"990x");
    screen.click(findButton(dialog.getWindow(), L"OK"));
    EXPECT_FALSE(dialog.isFinished());
    screen.type(edits[0], L"990");
    screen.click(findButton(dialog.getWindow(), L"-"));
    screen.click(findButton(dialog.getWindow(), L"OK"));
    ASSERT_TRUE(dialog.isAccepted());
    EXPECT_EQ(manager.getFallbackSeaLevelPressure(), 989.0);
    EXPECT_TRUE(manager.isAltimeterFallbackForced());
}
