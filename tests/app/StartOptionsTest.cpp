#include "app/StartOptions.h"

#include <gtest/gtest.h>

TEST(StartOptions, WidthHeightAndOptionalFullscreenFromTheCommandLine) {
    const char* three[] = {"cirrona", "800", "480"};
    StartOptions o = parseCommandLine(3, three);
    EXPECT_EQ(o.source, StartOptions::COMMAND_LINE);
    EXPECT_EQ(o.width, 800u);
    EXPECT_EQ(o.height, 480u);
    EXPECT_FALSE(o.fullscreen);
    EXPECT_TRUE(o.mipmaps);
    EXPECT_TRUE(o.openGLES2);

    const char* four[] = {"cirrona", "1024", "600", "1"};
    EXPECT_TRUE(parseCommandLine(4, four).fullscreen);
    const char* zero[] = {"cirrona", "1024", "600", "0"};
    EXPECT_FALSE(parseCommandLine(4, zero).fullscreen);
}

TEST(StartOptions, OneOrMoreThanThreeArgumentsAskForTheUsage) {
    const char* one[] = {"cirrona", "800"};
    EXPECT_EQ(parseCommandLine(2, one).source, StartOptions::USAGE);
    const char* five[] = {"cirrona", "1", "2", "3", "4"};
    EXPECT_EQ(parseCommandLine(5, five).source, StartOptions::USAGE);
    const char* none[] = {"cirrona"};
    EXPECT_EQ(parseCommandLine(1, none).source, StartOptions::DESKTOP_CONFIG);
}

TEST(StartOptions, UsageNamesTheProgramTwice) {
    EXPECT_EQ(usageLine("./cirrona"),
              "Usage: ./cirrona without parameters or ./cirrona <resolution width> <resolution height> "
              "[<fullscreen 0|1 (optional)>]\n");
}

TEST(StartOptions, DesktopConfigNeedsTheExactSpellings) {
    StartOptions o;
    applyDesktopConfig(o, "Yes", "No", "GL");
    EXPECT_FALSE(o.fullscreen);
    EXPECT_TRUE(o.mipmaps);
    EXPECT_TRUE(o.openGLES2);
    applyDesktopConfig(o, "yes", "no", "gl");
    EXPECT_TRUE(o.fullscreen);
    EXPECT_FALSE(o.mipmaps);
    EXPECT_FALSE(o.openGLES2);
    applyDesktopConfig(o, "", "", "");
    EXPECT_FALSE(o.fullscreen);
    EXPECT_TRUE(o.mipmaps);
    EXPECT_TRUE(o.openGLES2);
}
