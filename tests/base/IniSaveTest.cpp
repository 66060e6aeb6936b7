#include "base/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iterator>

namespace {

IniFile sampleConfig(int keys) {
    IniFile ini;
    for (int i = 0; i < keys; ++i) ini.set("P" + std::to_string(i % 7), "key" + std::to_string(i), "value " + std::to_string(i));
    return ini;
}

// Only the file itself may be in the directory after a save: no temporary
// file is ever left behind.
long entryCount(const std::string& dir) {
    return std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator());
}

class IniSave : public ::testing::Test {
protected:
    TempDir dir;
    const std::string path = dir / "config.ini";
};

}  // namespace

TEST_F(IniSave, WritesTheTextFormAndReplacesTheOldFile) {
    EXPECT_FALSE(IniFile().readFile(path));  // a missing file reads empty
    writeWholeFile(path, "b = 2\na = 1\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(readWholeFile(path), "a = 1\nb = 2\n\n");
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST_F(IniSave, KeepsPermissionsOfTheOldFileAndReplacesTheTargetOfASymbolicLink) {
    const std::string link = dir / "link.ini";
    writeWholeFile(path, "a = 1\n");
    chmod(path.c_str(), 0604);
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(sampleConfig(3).save(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(IniFile(path).get("P0", "key0"), "value 0");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0604));
}

TEST_F(IniSave, FailsWithoutTouchingAnythingWhenTheDirectoryIsMissingOrThePathIsADirectory) {
    EXPECT_FALSE(sampleConfig(2).save(dir / "no/such/dir/config.ini"));
    std::filesystem::create_directory(dir / "sub");
    writeWholeFile(dir / "sub/keep", "x");
    EXPECT_FALSE(sampleConfig(2).save(dir / "sub"));
    EXPECT_EQ(readWholeFile(dir / "sub/keep"), "x");
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST_F(IniSave, FullDiskLeavesTheOldFileIntactAndLargeFilesReadTheSameAsTheirText) {
    const std::string old = "major = 3\nminor = 3\n";
    writeWholeFile(path, old);
    IniFile big = sampleConfig(9000);  // well beyond one read chunk
    big.set("P3", "long", std::string(70000, 'x') + "\n=" + std::string(10, ' '));
    // Writes beyond 4096 bytes fail with EFBIG instead of raising SIGXFSZ.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    EXPECT_FALSE(big.save(path));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(readWholeFile(path), old);
    EXPECT_EQ(entryCount(dir.path()), 1);
    EXPECT_TRUE(big.save(path));  // with room again the same save succeeds
    EXPECT_EQ(IniFile(path).getSections(), big.getSections());
}

TEST_F(IniSave, UnwritableDirectoryLeavesTheOldFileIntact) {
    writeWholeFile(path, "a = 1\n");
    chmod(dir.path().c_str(), 0555);
    // Root writes into any directory, so the save runs in a child that gives
    // up root first; as any other user it is refused by the mode alone.
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(2);
        _exit(sampleConfig(5).save(path) ? 1 : 0);
    }
    int status = -1;
    waitpid(child, &status, 0);
    chmod(dir.path().c_str(), 0700);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not fail";
    EXPECT_EQ(readWholeFile(path), "a = 1\n");
    EXPECT_EQ(entryCount(dir.path()), 1);
}
