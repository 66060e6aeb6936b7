#include "app/StartOptions.h"

#include <cstdio>
#include <cstdlib>

StartOptions parseCommandLine(int argc, const char* const* argv) {
    StartOptions options;
    if (argc == 1) {
        options.source = StartOptions::DESKTOP_CONFIG;
        return options;
    }
    if (argc != 3 && argc != 4) {
        options.source = StartOptions::USAGE;
        return options;
    }
    options.source = StartOptions::COMMAND_LINE;
    options.width = static_cast<uint32_t>(std::strtol(argv[1], nullptr, 10));
    options.height = static_cast<uint32_t>(std::strtol(argv[2], nullptr, 10));
    options.fullscreen = argc == 4 && std::strtol(argv[3], nullptr, 10) != 0;
    options.mipmaps = true;
    options.openGLES2 = true;
    return options;
}

std::string usageLine(const char* argv0) {
    char buffer[4096];
    std::snprintf(buffer, sizeof buffer,
                  "Usage: %s without parameters or %s <resolution width> <resolution height> "
                  "[<fullscreen 0|1 (optional)>]\n",
                  argv0, argv0);
    return buffer;
}

void applyDesktopConfig(StartOptions& options, const std::string& fullscreen, const std::string& mipmaps,
                        const std::string& driver) {
    options.fullscreen = fullscreen == "yes";
    options.mipmaps = mipmaps != "no";
    options.openGLES2 = driver != "gl";
}
