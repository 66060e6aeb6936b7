#include "base/AppPaths.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// Runs the test body in a given working directory and restores the previous
// one afterwards, whatever happens.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path) {
        char buffer[PATH_MAX];
        if (getcwd(buffer, sizeof buffer)) previous = buffer;
        changed = chdir(path.c_str()) == 0;
    }
    ~WorkingDirectory() {
        if (changed && !previous.empty() && chdir(previous.c_str()) != 0) std::abort();
    }
    bool ok() const { return changed; }

private:
    std::string previous;
    bool changed = false;
};

std::string realDirectory(const std::string& path) {
    char buffer[PATH_MAX];
    return std::string(realpath(path.c_str(), buffer)) + "/";
}

}  // namespace

TEST(AppHome, DerivedFromProgramPathAndWorkingDirectory) {
    TempDir dir;
    std::filesystem::create_directories(dir / "opt/x");
    const std::string cwd = realDirectory(dir / "opt/x");
    WorkingDirectory inside(cwd);
    ASSERT_TRUE(inside.ok());
    const std::pair<const char*, std::string> cases[] = {
        {"./bin/app", cwd + "bin/"}, {"bin/app", cwd + "bin/"}, {"/usr/lib/x/app", "/usr/lib/x/"}, {"app", cwd},
        {"./app", cwd},              {".\\bin\\app", cwd + "bin\\"}, {"/app", "/"},
    };
    for (const auto& [argv0, home] : cases) EXPECT_EQ(getAppHomePathFromArgV0(argv0), home) << argv0;
    EXPECT_EQ(getAppHomePathFromArgV0(nullptr), cwd);
    EXPECT_EQ(getCurrentDirectoryWithSlash(), cwd);
}

TEST(AppHome, RootWorkingDirectoryGetsNoDoubleSlash) {
    WorkingDirectory root("/");
    ASSERT_TRUE(root.ok());
    EXPECT_EQ(getAppHomePathFromArgV0("app"), "/");
    EXPECT_EQ(getAppHomePathFromArgV0("./bin/app"), "/bin/");
}

TEST(StoragePathMapping, RelativePathsGoBelowHomeOrTheirStorageLocation) {
    StoragePaths paths("/home/pilot/cirrona");
    paths.setFromLocations({"/media/usb/", "/data/", "/mnt/charts/", "/var/"});
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/a", "/tmp/a"},
        {"media/x.png", "/home/pilot/cirrona/media/x.png"},
        {"ImagesX", "/home/pilot/cirrona/ImagesX"},
        {"Images/bg.jpg", "/media/usb/.Cirrona/Images/bg.jpg"},
        {"Terrain/t.bin", "/data/.Cirrona/Terrain/t.bin"},
        {"ChartData/x", "/mnt/charts/.Cirrona/ChartData/x"},
        {"Logs/log.txt", "/var/.Cirrona/Logs/log.txt"},
        {"Logs", "/home/pilot/cirrona/Logs"},
        {"logs/x", "/home/pilot/cirrona/logs/x"},  // prefixes are case-sensitive
        {"", "/home/pilot/cirrona/"},
    };
    for (const auto& [relative, absolute] : cases) EXPECT_EQ(paths.getAbsolutePath(relative), absolute) << relative;
}

TEST(StoragePathMapping, MissingLocationsLandBelowTheWorkingDirectory) {
    StoragePaths paths("/h/");
    paths.setFromLocations({});
    EXPECT_EQ(paths.getAbsolutePath("Logs/log.txt"), ".Cirrona/Logs/log.txt");
    paths.setLogPath("/elsewhere/");
    EXPECT_EQ(paths.getAbsolutePath("Logs/log.txt"), "/elsewhere/Logs/log.txt");
}
