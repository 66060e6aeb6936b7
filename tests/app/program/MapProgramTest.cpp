// The moving map in the running program: the demo chart loaded at start,
// a full-screen map following the simulator's flight, and a home without
// chart data that still starts, shows the aircraft and says why.
#include "ProgramHarness.h"

#include "base/IniFile.h"
#include "map/rules/MapStyle.h"
#include "sensors/IConfigOverride.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

using namespace program_harness;

namespace {

// The generic GDL90 receiver chosen as the preset does it, and one map
// filling the screen.
void writeMapConfiguration(const TempHome& home) {
    IniFile config;
    SensorManager manager;
    registerSensorKinds(manager);
    for (const ConfigOverrideSection& section : manager.getSensorConfigOverrideSections())
        for (IConfigOverride* preset : section.overrides)
            if (preset->getName() == L"Generic GDL90 Device") preset->OnConfigChosen(&config);
    config.set("", "major", "3");
    config.set("", "minor", "3");
    config.set("", "PanelCount", "1");
    for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
             {"FactoryIndex", "2"}, {"FactoryName", "2D-Map"}, {"Page", "0"}, {"Portrait", "0"}, {"ViewPortSX", "0"},
             {"ViewPortSY", "0"}, {"ViewPortTX", "1"}, {"ViewPortTY", "1"}, {"coastlines", "1"}})
        config.set("P0", key, value);
    config.save(home / "data/config.ini");
    // Not a first start: that would write the standard configuration.
    writeWholeFile(home / "data/3.3_data_created", "");
}

bool logHas(const TempHome& home, const std::string& text) {
    return readWholeFile(home / ".Cirrona/Logs/log.txt").find(text) != std::string::npos;
}

// A row of the window's pixels across its middle.
std::vector<long> middleRow(Display* display, Window window) {
    std::vector<long> row;
    for (int x = 20; x < 780; x += 4) row.push_back(windowPixel(display, window, x, 300));
    return row;
}

}  // namespace

TEST(MapProgram, TheMapFollowsTheSimulatorsFlightOverTheDemoChart) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run the suite under xvfb-run";
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    TempHome home;
    std::filesystem::create_directories(home / ".Cirrona");
    std::filesystem::create_directory_symlink(kBuiltHome / ".Cirrona/ChartData", home / ".Cirrona/ChartData");
    writeMapConfiguration(home);

    const pid_t program = start(home, {"800", "480"});
    ASSERT_TRUE(eventually([&] { return logHas(home, "cpp: Load Panels"); }, 30000, 100))
        << readWholeFile(home / "stdout.txt");
    EXPECT_TRUE(logHas(home, "cpp: Load Chart"));
    EXPECT_FALSE(logHas(home, "No chart data")) << readWholeFile(home / ".Cirrona/Logs/log.txt");
    const pid_t simulator = fork();
    if (simulator == 0) {
        const std::string tool = builtTool("gdl90sim");
        execl(tool.c_str(), tool.c_str(), "--start", "49.2,-123.3", "--speed", "400", "--duration", "40",
              "--traffic", "0", nullptr);
        _exit(127);
    }
    Window window = 0;
    ASSERT_TRUE(eventually([&] { return (window = findWindowNamed(display, DefaultRootWindow(display), "Cirrona")) != 0; },
                           20000, 100));
    EXPECT_TRUE(eventually([&] { return logHas(home, "message: Connection established."); }, 20000, 100));
    // The chart's ground in the day style shows, with the chart drawn on it,
    // and the picture moves on as the aircraft flies.
    const MapColour ground = getMapBackground(MapPalette::DAY);
    const long groundPixel = (long(ground.r) << 16) | (long(ground.g) << 8) | ground.b;
    std::vector<long> before;
    EXPECT_TRUE(eventually(
        [&] {
            before = middleRow(display, window);
            // Within a few steps of each channel: the picture is filtered on
            // its way to the screen.
            const long onGround = std::count_if(before.begin(), before.end(),
                                                [&](long p) { return nearColour(p, uint32_t(groundPixel), 6); });
            return onGround > 5 && onGround < long(before.size());
        },
        20000, 500));
    EXPECT_TRUE(eventually([&] { return middleRow(display, window) != before; }, 20000, 500));
    kill(simulator, SIGTERM);
    waitpid(simulator, nullptr, 0);
    EXPECT_TRUE(stopCleanly(program)) << readWholeFile(home / "stdout.txt");

    // Without chart data the program still comes up, and says so.
    std::filesystem::remove(home / ".Cirrona/ChartData");
    const pid_t bare = start(home, {"800", "480"});
    EXPECT_TRUE(eventually([&] { return logHas(home, "message: No chart data installed"); }, 30000, 100))
        << readWholeFile(home / ".Cirrona/Logs/log.txt");
    EXPECT_TRUE(stopCleanly(bare)) << readWholeFile(home / "stdout.txt");
    XCloseDisplay(display);
}
