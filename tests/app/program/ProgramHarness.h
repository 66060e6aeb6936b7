#pragma once
// Starts the built program in a throw-away home under the test's X server
// and talks to its window as a pilot would: keys, taps, the pixels shown.
#include <gtest/gtest.h>

#include "support/Eventually.h"
#include "support/RunTool.h"
#include "support/TempDir.h"
// Xlib after GoogleTest: its macros (None, Bool, ...) clash with gtest names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include "support/ProgramWindow.h"
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace program_harness {

namespace fs = std::filesystem;


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
inline pid_t start(const TempHome& home, const std::vector<std::string>& args) {
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

inline void pressAndReleaseKey(Display* display, Window window, KeySym symbol) {
    for (int type : {KeyPress, KeyRelease}) {
        XKeyEvent key{type, 0, False, display, window, DefaultRootWindow(display), 0, CurrentTime, 0, 0, 0, 0, 0,
                      XKeysymToKeycode(display, symbol), True};
        XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, reinterpret_cast<XEvent*>(&key));
    }
    XFlush(display);
}


// A left click at window coordinates.
inline void click(Display* display, Window window, int x, int y) {
    for (int type : {ButtonPress, ButtonRelease}) {
        XButtonEvent b{type, 0, False, display, window, DefaultRootWindow(display), 0, CurrentTime, x, y, x, y,
                       type == ButtonRelease ? Button1Mask : 0u, Button1, True};
        XSendEvent(display, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask,
                   reinterpret_cast<XEvent*>(&b));
    }
    XFlush(display);
}

// Asks the program to end as the system would and waits for it; true when it
// ended by itself with status 0.
inline bool stopCleanly(pid_t child) {
    kill(child, SIGTERM);
    int status = 0;
    const bool ended = eventually([&] { return waitpid(child, &status, WNOHANG) == child; }, 10000, 100);
    if (!ended) kill(child, SIGKILL), waitpid(child, nullptr, 0);
    return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace program_harness
