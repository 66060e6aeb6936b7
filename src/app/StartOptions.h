#pragma once
#include <cstdint>
#include <string>

// What the command line and desktopConfig.ini decide before the engine
// device exists.
struct StartOptions {
    enum Source { USAGE, COMMAND_LINE, DESKTOP_CONFIG };
    Source source = DESKTOP_CONFIG;
    uint32_t width = 0;   // only for COMMAND_LINE; the desktop decides otherwise
    uint32_t height = 0;
    bool fullscreen = false;
    bool mipmaps = true;
    bool openGLES2 = true;  // false: desktop OpenGL
};

// argc 3 or 4: width, height [, fullscreen]; argc 1: desktopConfig.ini;
// anything else: print the usage line and stop.
StartOptions parseCommandLine(int argc, const char* const* argv);

std::string usageLine(const char* argv0);

// Applies the keys of desktopConfig.ini's unnamed section. Only the exact
// spellings switch a setting; anything else keeps the safe default.
void applyDesktopConfig(StartOptions& options, const std::string& fullscreen, const std::string& mipmaps,
                        const std::string& driver);
