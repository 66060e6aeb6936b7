// The demo as a newcomer starts it: scripts/demo prepares its own home with
// the standard layout, starts the simulator and the program, and after 20 s
// of flight the first page shows the chart moving under the aircraft, the
// airports, the coastline, traffic and a live altimeter. Asked to end, it
// leaves nothing running.
#include "ProgramHarness.h"

#include "base/IniFile.h"
#include "chart/elements/GroundGeometryElement.h"
#include "map/rules/ChartSymbols.h"
#include "map/rules/GroundGeometryStyle.h"
#include "traffic/TrafficMapStyle.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

using namespace program_harness;

namespace {

constexpr int kWidth = 1280, kHeight = 720;
constexpr const char* kPort = "4611";  // away from the receivers' usual 4000

uint32_t rgbOf(const MapColour& c) { return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }

// Samples along a ray from the dial's centre, clockwise from the top,
// between two fractions of the radius, that are bright on the ray or a
// degree either side of it: a needle is only a few pixels wide.
int brightAlong(const WindowImage& image, const PixelBox& dial, double degrees, double from, double to) {
    const double cx = (dial.left + dial.right) / 2.0, cy = (dial.top + dial.bottom) / 2.0;
    const double radius = std::min(dial.right - dial.left, dial.bottom - dial.top) / 2.0;
    const auto bright = [&](double a, double r) {
        a *= 3.14159265358979 / 180;
        const long p = image.at(int(cx + r * radius * std::sin(a)), int(cy - r * radius * std::cos(a)));
        return 0.3 * (p >> 16 & 0xFF) + 0.59 * (p >> 8 & 0xFF) + 0.11 * (p & 0xFF) > 180;
    };
    int count = 0;
    for (double r = from; r <= to; r += 0.01)
        count += bright(degrees - 1, r) || bright(degrees, r) || bright(degrees + 1, r) ? 1 : 0;
    return count;
}

// How far the coastline moved between two pictures: the shift that lays most
// of the first picture's coastline onto the second's, and how much more it
// lays there than no shift at all.
struct Shift {
    int dx = 0, dy = 0;
    double gain = 0;
};
Shift coastlineShift(const WindowImage& first, const WindowImage& last, const PixelBox& map, uint32_t coast) {
    const int reach = 40;
    std::vector<std::pair<int, int>> before;
    for (int y = map.top + reach; y < map.bottom - reach; ++y)
        for (int x = map.left + reach; x < map.right - reach; ++x)
            if (nearColour(first.at(x, y), coast, 8)) before.emplace_back(x, y);
    std::vector<bool> after(last.pixels.size());
    for (size_t i = 0; i < after.size(); ++i) after[i] = nearColour(last.pixels[i], coast, 8);
    const auto overlap = [&](int dx, int dy) {
        int count = 0;
        for (const auto& [x, y] : before) count += after[size_t(y + dy) * last.width + x + dx];
        return count;
    };
    Shift best;
    int bestOverlap = -1;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (const int o = overlap(dx, dy); o > bestOverlap) bestOverlap = o, best.dx = dx, best.dy = dy;
    best.gain = double(bestOverlap) / std::max(1, overlap(0, 0));
    return best;
}

// The simulators sending to the demo's port, by their command lines.
int simulatorsRunning() {
    int count = 0;
    std::error_code ignored;  // processes come and go while they are listed
    for (const auto& entry : fs::directory_iterator("/proc", ignored)) {
        std::string command = readWholeFile(entry.path() / "cmdline");
        std::replace(command.begin(), command.end(), '\0', ' ');
        count += command.find("gdl90sim") != std::string::npos &&
                 command.find(std::string("127.0.0.1:") + kPort) != std::string::npos;
    }
    return count;
}

}  // namespace

TEST(DemoProgram, FliesTheScriptedFlightWithChartTrafficAndInstrumentsAndEndsWithNothingLeft) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run the suite under xvfb-run";
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    TempDir home;
    const auto started = std::chrono::steady_clock::now();
    const pid_t demo = startDemo(std::string(CIRRONA_SOURCE_DIR) + "/scripts/demo", home.path(), kPort);
    const auto secondsSinceStart = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    Window window = 0;
    ASSERT_TRUE(eventually([&] { return (window = findWindowNamed(display, DefaultRootWindow(display), "Cirrona")) != 0; },
                           20000, 100))
        << readWholeFile(home / "demo.txt");
    const IniFile config(home / "data/config.ini");
    const PixelBox map = firstPagePanelBox(config, 2, kWidth, kHeight);
    const PixelBox altimeter = firstPagePanelBox(config, 4, kWidth, kHeight);
    ASSERT_GT(map.right, 0) << "the first page holds a map";
    ASSERT_GT(altimeter.right, 0) << "the first page holds an altimeter";

    // The first picture of the chart, then the one 20 s after the start.
    const uint32_t coast = rgbOf(getGroundGeometryStyle(GroundGeometryElement::COASTLINE, false, MapPalette::DAY).line);
    const auto coastline = [&](long p) { return nearColour(p, coast, 8); };
    // The chart counts as shown once two pictures a moment apart differ by
    // a few pixels at most: until the first position arrives it may still
    // jump to the aircraft, and a loaded machine draws the first frames late.
    WindowImage first, previous;
    ASSERT_TRUE(eventually(
        [&] {
            first = captureWindow(display, window);
            if (countIn(first, map, coastline) <= 200) return false;
            const bool settled = previous.width == first.width && [&] {
                const Shift moved = coastlineShift(previous, first, map, coast);
                return std::abs(moved.dx) <= 3 && std::abs(moved.dy) <= 3;
            }();
            previous = first;
            return settled;
        },
        20000, 300))
        << readWholeFile(home / ".Cirrona/Logs/log.txt");
    std::this_thread::sleep_for(std::chrono::duration<double>(std::max(0.0, 20.0 - secondsSinceStart())));
    const double altitudeFeet = 20 + 700 * secondsSinceStart() / 60;
    const WindowImage last = captureWindow(display, window);
    ASSERT_EQ(last.width, kWidth);

    // The chart moved east under the aircraft, which flies west.
    const Shift shift = coastlineShift(first, last, map, coast);
    EXPECT_GT(shift.dx, 1);
    EXPECT_LT(std::abs(shift.dy), shift.dx);
    EXPECT_GT(shift.gain, 1.5);

    // Airports, towered and not, and the coastline are drawn.
    const uint32_t towered = rgbOf(getAirportSymbolColour(AirportSymbol::TOWERED));
    const uint32_t untowered = rgbOf(getAirportSymbolColour(AirportSymbol::UNTOWERED));
    EXPECT_GT(countIn(last, map, [&](long p) { return nearColour(p, towered, 8) || nearColour(p, untowered, 8); }), 100);
    EXPECT_GT(countIn(last, map, coastline), 200);

    // Traffic in any colour its altitude difference can give it.
    std::vector<uint32_t> trafficColours;
    for (int feet = 0; feet <= 1000; feet += 10) trafficColours.push_back(calcTrafficColor(feet, false) & 0xFFFFFF);
    EXPECT_GT(countIn(last, map,
                      [&](long p) {
                          return std::any_of(trafficColours.begin(), trafficColours.end(),
                                             [&](uint32_t c) { return nearColour(p, c, 6); });
                      }),
              20);

    // The hundreds needle stands where the climb has taken it, off zero;
    // GDL90 reports altitude in 25 ft steps, and the samples come once a second.
    const double expected = std::fmod(altitudeFeet, 1000) * 0.36;
    int bestOn = 0;
    double bestAngle = -1;
    for (double a = expected - 20; a <= expected + 20; a += 1)
        if (const int on = brightAlong(last, altimeter, a, 0.2, 0.7); on > bestOn) bestOn = on, bestAngle = a;
    EXPECT_GT(expected, 30) << "the flight has climbed off zero";
    // The ray opposite, where no needle is, finds little.
    EXPECT_GT(bestOn, 0.6 * 50) << "no needle near " << expected << " degrees";
    EXPECT_LT(brightAlong(last, altimeter, bestAngle + 180, 0.2, 0.7), bestOn / 4);

    // Asked to end, the program ends cleanly and takes the simulator with it.
    EXPECT_TRUE(stopCleanly(demo)) << readWholeFile(home / "demo.txt");
    EXPECT_TRUE(eventually([] { return simulatorsRunning() == 0; }, 5000, 100));
    XCloseDisplay(display);
}
