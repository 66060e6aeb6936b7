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

    EXPECT_EQ(getAppHomePathFromArgV0("./bin/app"), cwd + "bin/");
    EXPECT_EQ(getAppHomePathFromArgV0("bin/app"), cwd + "bin/");
    EXPECT_EQ(getAppHomePathFromArgV0("/usr/lib/x/app"), "/usr/lib/x/");
    EXPECT_EQ(getAppHomePathFromArgV0("app"), cwd);
    EXPECT_EQ(getAppHomePathFromArgV0("./app"), cwd);
    EXPECT_EQ(getAppHomePathFromArgV0(".\\bin\\app"), cwd + "bin\\");
    EXPECT_EQ(getAppHomePathFromArgV0("/app"), "/");
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
    EXPECT_EQ(paths.getAppHome(), "/home/pilot/cirrona/");
    EXPECT_EQ(paths.getImagePath(), "/media/usb/.Cirrona/");
    EXPECT_EQ(paths.getTerrainPath(), "/data/.Cirrona/");
    EXPECT_EQ(paths.getDataPath(), "/mnt/charts/.Cirrona/");
    EXPECT_EQ(paths.getLogPath(), "/var/.Cirrona/");

    EXPECT_EQ(paths.getAbsolutePath("/tmp/a"), "/tmp/a");
    EXPECT_EQ(paths.getAbsolutePath("media/x.png"), "/home/pilot/cirrona/media/x.png");
    EXPECT_EQ(paths.getAbsolutePath("ImagesX"), "/home/pilot/cirrona/ImagesX");
    EXPECT_EQ(paths.getAbsolutePath("Images/bg.jpg"), "/media/usb/.Cirrona/Images/bg.jpg");
    EXPECT_EQ(paths.getAbsolutePath("Terrain/t.bin"), "/data/.Cirrona/Terrain/t.bin");
    EXPECT_EQ(paths.getAbsolutePath("ChartData/x"), "/mnt/charts/.Cirrona/ChartData/x");
    EXPECT_EQ(paths.getAbsolutePath("Logs/log.txt"), "/var/.Cirrona/Logs/log.txt");
    EXPECT_EQ(paths.getAbsolutePath("Logs"), "/home/pilot/cirrona/Logs");
    EXPECT_EQ(paths.getAbsolutePath("logs/x"), "/home/pilot/cirrona/logs/x");  // prefixes are case-sensitive
    EXPECT_EQ(paths.getAbsolutePath(""), "/home/pilot/cirrona/");
}

TEST(StoragePathMapping, MissingLocationsLandBelowTheWorkingDirectory) {
    StoragePaths paths("/h/");
    paths.setFromLocations({});
    EXPECT_EQ(paths.getAbsolutePath("Logs/log.txt"), ".Cirrona/Logs/log.txt");
    paths.setLogPath("/elsewhere/");
    EXPECT_EQ(paths.getAbsolutePath("Logs/log.txt"), "/elsewhere/Logs/log.txt");
}
