// A new user's first start: the sensor presets come up, the pilot picks the
// generic GDL90 receiver with taps and keys, the choice is written to the
// configuration, and after a restart the program receives the simulator's
// flight from it.
#include "ProgramHarness.h"

#include "base/IniFile.h"
#include "gui/dialogs/DialogLayout.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "sensors/IConfigOverride.h"

using namespace program_harness;

namespace {

constexpr int kWidth = 800, kHeight = 480;

// The row of the preset in the chooser's list: section titles take a row
// each, as the chooser shows them.
int presetRow(const std::wstring& name) {
    SensorManager manager;
    registerSensorKinds(manager);
    int row = 0;
    for (const ConfigOverrideSection& section : manager.getSensorConfigOverrideSections()) {
        ++row;
        for (IConfigOverride* preset : section.overrides) {
            if (preset->getName() == name) return row;
            ++row;
        }
    }
    return -1;
}

// The middle of the chooser's list at this screen size.
std::pair<int, int> listCentre() {
    DialogMetrics m{kWidth, kHeight, 78, 31};
    const MasterDetailLayout l = layOutMasterDetail(m, 25, 2);
    return {l.window.left + (l.list.left + l.list.right) / 2, l.window.top + (l.list.top + l.list.bottom) / 2};
}

bool logHas(const TempHome& home, const std::string& text) {
    return readWholeFile(home / ".Cirrona/Logs/log.txt").find(text) != std::string::npos;
}

}  // namespace

TEST(SensorSetupProgram, GDL90PresetChosenOnScreenDeliversTheSimulatorsFlightAfterARestart) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run the suite under xvfb-run)";
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    TempHome home;
    const int row = presetRow(L"Generic GDL90 Device");
    ASSERT_GT(row, 0);

    const pid_t first = start(home, {std::to_string(kWidth), std::to_string(kHeight)});
    ASSERT_GT(first, 0);
    ASSERT_TRUE(eventually([&] { return logHas(home, "cpp: Choose Sensors"); }, 30000, 100))
        << readWholeFile(home / "stdout.txt");
    Window window = 0;
    ASSERT_TRUE(eventually([&] { return (window = findWindowNamed(display, DefaultRootWindow(display), "Cirrona")) != 0; },
                           20000, 100));
    // A tap puts the focus on the list; Home, Down to the preset, Enter.
    const std::pair<int, int> list = listCentre();
    EXPECT_TRUE(eventually(
        [&] {
            click(display, window, list.first, list.second);
            pressAndReleaseKey(display, window, XK_Home);
            for (int i = 0; i < row; ++i) pressAndReleaseKey(display, window, XK_Down);
            pressAndReleaseKey(display, window, XK_Return);
            return IniFile(home / "data/config.ini").get("S1", "FactoryName") == "GDL90 compatible device";
        },
        20000, 1000));
    const IniFile config(home / "data/config.ini");
    EXPECT_EQ(config.get("", "SensorCount"), "2");
    EXPECT_EQ(config.get("S1", "port"), "4000");
    EXPECT_TRUE(stopCleanly(first)) << readWholeFile(home / "stdout.txt");

    // The next start takes the chosen sensor without asking.
    const pid_t second = start(home, {std::to_string(kWidth), std::to_string(kHeight)});
    ASSERT_GT(second, 0);
    ASSERT_TRUE(eventually([&] { return logHas(home, "cpp: Load Panels"); }, 30000, 100));
    const pid_t simulator = fork();
    if (simulator == 0) {
        const std::string tool = builtTool("gdl90sim");
        execl(tool.c_str(), tool.c_str(), "--target", "127.0.0.1:4000", "--duration", "30", nullptr);
        _exit(127);
    }
    EXPECT_TRUE(eventually([&] { return logHas(home, "message: Connection established."); }, 20000, 100))
        << readWholeFile(home / ".Cirrona/Logs/log.txt");
    kill(simulator, SIGTERM);
    waitpid(simulator, nullptr, 0);
    EXPECT_FALSE(logHas(home, "cpp: Choose Sensors"));
    EXPECT_TRUE(stopCleanly(second)) << readWholeFile(home / "stdout.txt");
    XCloseDisplay(display);
}
