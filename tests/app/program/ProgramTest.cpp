// Starts the built program as a pilot would and looks at what it does: the
// log milestones, the first frame on the X screen, and the orderly exit.
#include <irrlicht.h>

#include "ProgramHarness.h"
#include "map/rules/MapStyle.h"

using namespace program_harness;

namespace {
long mapGround() {
    const MapColour c = getMapBackground(MapPalette::DAY);
    return (long(c.r) << 16) | (long(c.g) << 8) | c.b;
}
}  // namespace
namespace fs = std::filesystem;

TEST(Program, OneArgumentPrintsTheUsageWithoutAWindow) {
    TempHome home;
    const std::string program = home / "cirrona";
    const ToolRun run = runTool(program, {"800"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "Usage: " + program + " without parameters or " + program +
                                     " <resolution width> <resolution height> [<fullscreen 0|1 (optional)>]\n");
}

TEST(Program, StartsDrawsItsFirstPageAndEndsCleanlyOnSigterm) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run the suite under xvfb-run)";
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);

    TempHome home;
    const pid_t child = start(home, {"800", "480"});
    ASSERT_GT(child, 0);

    // The log file holds the last start-up milestone.
    EXPECT_TRUE(eventually(
        [&] { return readWholeFile(home / ".Cirrona/Logs/log.txt").find("cpp: Load Settings") != std::string::npos; },
        30000, 100))
        << readWholeFile(home / "stdout.txt");

    Window window = 0;
    EXPECT_TRUE(eventually([&] { return (window = findWindowNamed(display, DefaultRootWindow(display), "Cirrona")) != 0; },
                        20000, 100));
    if (window) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        EXPECT_EQ(std::make_pair(attributes.width, attributes.height), std::make_pair(800, 480));
        // A first start offers the sensor presets; Escape keeps the settings
        // as they are. Then the standard layout's first page shows, its map
        // (without chart data here) on the chart's ground.
        EXPECT_TRUE(eventually(
            [&] { return readWholeFile(home / ".Cirrona/Logs/log.txt").find("cpp: Choose Sensors") != std::string::npos; },
            20000, 100));
        long pixel = -1;
        EXPECT_TRUE(eventually(
            [&] {
                pressAndReleaseKey(display, window, XK_Escape);
                return (pixel = windowPixel(display, window, 400, 300)) == mapGround();
            },
            20000, 300))
            << std::hex << pixel;

        // Insert takes a screenshot into Screenshots/ as PNG.
        pressAndReleaseKey(display, window, XK_Insert);
        fs::path shot;
        EXPECT_TRUE(eventually([&] {
            for (const auto& entry : fs::directory_iterator(home / "Screenshots"))
                if (entry.path().extension() == ".png" && fs::file_size(entry.path()) > 0) shot = entry.path();
            return !shot.empty();
        }, 10000, 100));
        if (!shot.empty()) {
            // The file holds the frame on the screen, not a black front buffer.
            irr::IrrlichtDevice* reader = irr::createDevice(irr::video::EDT_NULL);
            ASSERT_NE(reader, nullptr);
            irr::video::IImage* image = reader->getVideoDriver()->createImageFromFile(shot.c_str());
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->getDimension(), irr::core::dimension2d<irr::u32>(800, 480));
            EXPECT_EQ(static_cast<long>(image->getPixel(400, 300).color & 0xFFFFFF), mapGround());
            image->drop();
            reader->drop();
        }
    }
    XCloseDisplay(display);
    EXPECT_TRUE(stopCleanly(child)) << readWholeFile(home / "stdout.txt");
}
