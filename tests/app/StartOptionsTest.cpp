#include "app/StartOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
StartOptions parse(std::vector<const char*> argv) {
    return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}
}  // namespace

TEST(StartOptions, WidthHeightAndOptionalFullscreenFromTheCommandLine) {
    StartOptions o = parse({"cirrona", "800", "480"});
    EXPECT_EQ(o.source, StartOptions::COMMAND_LINE);
    EXPECT_TRUE(o.width == 800u && o.height == 480u && !o.fullscreen);
    EXPECT_TRUE(parse({"cirrona", "1024", "600", "1"}).fullscreen);
    EXPECT_FALSE(parse({"cirrona", "1024", "600", "0"}).fullscreen);

    // One or more than three arguments ask for the usage; none for the desktop file.
    EXPECT_EQ(parse({"cirrona", "800"}).source, StartOptions::USAGE);
    EXPECT_EQ(parse({"cirrona", "1", "2", "3", "4"}).source, StartOptions::USAGE);
    EXPECT_EQ(parse({"cirrona"}).source, StartOptions::DESKTOP_CONFIG);  // the usage text: ProgramTest
}

TEST(StartOptions, DesktopConfigNeedsTheExactSpellings) {
    StartOptions o;
    applyDesktopConfig(o, "yes", "no", "gl");
    EXPECT_TRUE(o.fullscreen && !o.mipmaps && !o.openGLES2);
    for (const auto& other : {std::vector<const char*>{"Yes", "No", "GL"}, {"", "", ""}}) {
        applyDesktopConfig(o, other[0], other[1], other[2]);
        EXPECT_TRUE(!o.fullscreen && o.mipmaps && o.openGLES2) << other[0];
    }
}
