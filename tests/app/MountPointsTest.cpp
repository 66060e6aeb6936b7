#include "app/MountPoints.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

TEST(MountPoints, OnlyWritableRealMountsAreOffered) {
    TempDir dir;
    for (const char* mount : {"usb", "with space", "readonly"}) std::filesystem::create_directories(dir / mount);
    const std::string root = dir.path().substr(0, dir.path().size() - 1);
    writeWholeFile(dir / "mounts",
                   "/dev/sda1 " + root + "/usb vfat rw,relatime 0 0\n"
                   "/dev/sdb1\t" + root + "/with\\040space\text4\trw 0 0\n"
                   "/dev/sdc1 " + root + "/readonly ext4 ro,noatime 0 0\n"
                   "tmpfs /run/user/1000 tmpfs rw,nosuid 0 0\n"
                   "tmpfs /run/media/stick vfat rw 0 0\n"
                   "/dev/sdd1 " + root + "/not-there ext4 rw 0 0\n"
                   "garbage\n"
                   "\n");
    const std::vector<MountPoint> points = getUsableMountPoints(dir / "mounts");
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].path + "|" + points[1].path, dir / "usb/|" + dir / "with space/");
    EXPECT_TRUE(points[0].totalBytes > 0 && points[0].freeBytes <= points[0].totalBytes);
    EXPECT_TRUE(getUsableMountPoints("/nonexistent/mounts").empty());
}

TEST(UsableDirs, AddTheUserHomeOnceAndSortByFreeSpaceOfEachPath) {
    TempDir dir;
    std::filesystem::create_directories(dir / "home");
    const char* previousHome = std::getenv("HOME");
    const std::string savedHome = previousHome ? previousHome : "";
    setenv("HOME", (dir / "home").c_str(), 1);
    EXPECT_EQ(getUserHomeDirectory(), dir / "home/");
    writeWholeFile(dir / "mounts", "tmpfs /dev/shm tmpfs rw 0 0\n/dev/x / ext4 rw 0 0\n/dev/y " + (dir / "home") +
                                       " ext4 rw 0 0\n");
    const std::vector<MountPoint> dirs = getUsableDirs(dir / "mounts");
    EXPECT_EQ(std::count_if(dirs.begin(), dirs.end(), [&](const MountPoint& p) { return p.path == dir / "home/"; }), 1);
    EXPECT_TRUE(std::is_sorted(dirs.begin(), dirs.end(),
                               [](const MountPoint& a, const MountPoint& b) { return a.freeBytes > b.freeBytes; }));
    EXPECT_EQ(getFreeSpace("/nonexistent/path") + getFreeSpace(nullptr), 0u);
    previousHome ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}
