// Starts the built program as a pilot would and looks at what it does: the
// log milestones, the first frame on the X screen, and the orderly exit.
#include <gtest/gtest.h>
#include <irrlicht.h>

#include "support/Eventually.h"
#include "support/RunTool.h"
#include "support/TempDir.h"
// Xlib after GoogleTest: its macros (None, Bool, ...) clash with gtest names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kBuiltHome = fs::path(CIRRONA_BINARY_DIR) / "cirrona-home";

// A throw-away home: the program binary (linked, so argv[0] points here),
// the built media, and a data.ini so the first-start dialog is not needed.
class TempHome {
public:
    TempHome() {
        fs::create_symlink(kBuiltHome / "cirrona", home / "cirrona");
        fs::create_directory_symlink(kBuiltHome / "media", home / "media");
        fs::create_directories(home / "data");
        std::string locations = "Vendor = Cirrona\nSubId =\n";
        for (const char* key : {"Backgrounds", "Terrain", "Data", "Logs"}) locations += key + (" = " + home.path()) + "\n";
        writeWholeFile(home / "data/data.ini", locations);
    }
    std::string operator/(const std::string& relative) const { return home / relative; }
    TempDir home;
};

// Starts the program in the home with its output into home/stdout.txt.
pid_t start(const TempHome& home, const std::vector<std::string>& args) {
    const pid_t pid = fork();
    if (pid == 0) {
        int fd = open((home / "stdout.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 1);
        dup2(fd, 2);
        if (chdir(home.home.path().c_str()) != 0) _exit(126);
        std::string program = home / "cirrona";
        std::vector<std::string> copies = args;
        std::vector<char*> argv = {program.data()};
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

Window findWindowNamed(Display* display, Window root, const std::string& prefix) {
    Window rootReturn, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::string(name).rfind(prefix, 0) == 0) found = children[i];
            XFree(name);
        }
        if (!found) found = findWindowNamed(display, children[i], prefix);
    }
    if (children) XFree(children);
    return found;
}

// The pixel as 0xRRGGBB (24-bit visuals), or -1 when it cannot be read.
long windowPixel(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return -1;
    const long rgb = static_cast<long>(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return rgb;
}

// The skin's background colour (22, 30, 40).
constexpr long kBackground = 0x161E28;

void pressAndReleaseKey(Display* display, Window window, KeySym symbol) {
    for (int type : {KeyPress, KeyRelease}) {
        XKeyEvent key{type, 0, False, display, window, DefaultRootWindow(display), 0, CurrentTime, 0, 0, 0, 0, 0,
                      XKeysymToKeycode(display, symbol), True};
        XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, reinterpret_cast<XEvent*>(&key));
    }
    XFlush(display);
}

}  // namespace

TEST(Program, OneArgumentPrintsTheUsageWithoutAWindow) {
    TempHome home;
    const std::string program = home / "cirrona";
    const ToolRun run = runTool(program, {"800"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "Usage: " + program + " without parameters or " + program +
                                     " <resolution width> <resolution height> [<fullscreen 0|1 (optional)>]\n");
}

TEST(Program, StartsDrawsItsBackgroundAndEndsCleanlyOnSigterm) {
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
        // After the loading screen, the empty frame is the skin's background.
        long pixel = -1;
        EXPECT_TRUE(eventually([&] { return (pixel = windowPixel(display, window, 400, 300)) == kBackground; },
                               20000, 100))
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
            EXPECT_EQ(static_cast<long>(image->getPixel(400, 300).color & 0xFFFFFF), kBackground);
            image->drop();
            reader->drop();
        }
    }
    XCloseDisplay(display);

    kill(child, SIGTERM);
    int status = 0;
    const bool ended = eventually([&] { return waitpid(child, &status, WNOHANG) == child; }, 5000, 100);
    if (!ended) kill(child, SIGKILL), waitpid(child, nullptr, 0);
    EXPECT_TRUE(ended && WIFEXITED(status) && WEXITSTATUS(status) == 0) << readWholeFile(home / "stdout.txt");
}
