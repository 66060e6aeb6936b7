// Times the demo's start as a pilot sees it: from running scripts/run (or,
// with --demo, scripts/demo, which skips the setup and build checks) on a
// machine that has built once, to the first frame whose moving map shows the
// chart. Each run gets a fresh demo home, so it includes preparing it.
//
//   xvfb-run -a -s "-screen 0 1280x800x24" build/bench/demo/bench_first_map_frame [--demo] [RUNS]
//
// Prints each run's times and the medians.
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "chart/elements/GroundGeometryElement.h"
#include "map/rules/GroundGeometryStyle.h"
#include "support/ProgramWindow.h"

namespace {

constexpr int kWidth = 1280, kHeight = 720;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct Run {
    double window = -1, map = -1;
};

Run timeOneStart(Display* display, const std::string& script) {
    char dir[] = "/tmp/cirrona_first_frame_XXXXXX";
    const std::string home = std::string(mkdtemp(dir)) + "/";
    const Clock::time_point start = Clock::now();
    const pid_t demo = startDemo(script, home, "4612");
    const MapColour c = getGroundGeometryStyle(GroundGeometryElement::COASTLINE, false, MapPalette::DAY).line;
    const uint32_t coast = (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    Run run;
    Window window = 0;
    PixelBox map;
    while (secondsSince(start) < 60 && waitpid(demo, nullptr, WNOHANG) == 0) {
        if (!window && (window = findWindowNamed(display, DefaultRootWindow(display), "Cirrona"))) {
            run.window = secondsSince(start);
            map = firstPagePanelBox(IniFile(home + "data/config.ini"), 2, kWidth, kHeight);
        }
        // The chart is on the screen once its coastline is.
        if (window && countIn(captureWindow(display, window), map,
                              [&](long p) { return nearColour(p, coast, 8); }) > 200) {
            run.map = secondsSince(start);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(window ? 20 : 50));
    }
    kill(demo, SIGTERM);
    waitpid(demo, nullptr, 0);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::string script = std::string(CIRRONA_SOURCE_DIR) + "/scripts/run";
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--demo")
            script = std::string(CIRRONA_SOURCE_DIR) + "/scripts/demo";
        else if (std::atoi(arg.c_str()) > 0)
            runs = std::atoi(arg.c_str());
        else
            return std::fprintf(stderr, "usage: bench_first_map_frame [--demo] [RUNS]\n"), 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return std::fprintf(stderr, "bench_first_map_frame: no X display; run it under xvfb-run\n"), 1;
    std::vector<double> windows, maps;
    for (int i = 0; i < runs; ++i) {
        const Run run = timeOneStart(display, script);
        std::printf("run %d: window after %.2f s, first map frame after %.2f s\n", i + 1, run.window, run.map);
        if (run.map < 0) return std::fprintf(stderr, "bench_first_map_frame: the map never showed the chart\n"), 1;
        windows.push_back(run.window);
        maps.push_back(run.map);
    }
    std::printf("median of %d from %s: window %.2f s, first map frame %.2f s\n", runs, script.c_str(), median(windows),
                median(maps));
    XCloseDisplay(display);
    return 0;
}
