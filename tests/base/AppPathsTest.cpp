#include "base/AppPaths.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Moves into a directory for the length of a test.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path) { std::filesystem::current_path(path); }
    ~WorkingDirectory() { std::filesystem::current_path(previous); }

private:
    const std::filesystem::path previous = std::filesystem::current_path();
};

std::string realDirectory(const std::string& path) { return std::filesystem::canonical(path).string() + "/"; }

}  // namespace

TEST(AppHome, DerivedFromProgramPathAndWorkingDirectory) {
    TempDir dir;
    std::filesystem::create_directories(dir / "opt/x");
    const std::string cwd = realDirectory(dir / "opt/x");
    WorkingDirectory inside(cwd);
    const std::pair<const char*, std::string> cases[] = {
        {"./bin/app", cwd + "bin/"}, {"bin/app", cwd + "bin/"}, {"/usr/lib/x/app", "/usr/lib/x/"},
        {"./app", cwd},              {".\\bin\\app", cwd + "bin\\"}, {"/app", "/"},
    };
    for (const auto& [argv0, home] : cases) EXPECT_EQ(getAppHomePathFromArgV0(argv0), home) << argv0;
    EXPECT_EQ(getAppHomePathFromArgV0(nullptr), cwd);
    EXPECT_EQ(getCurrentDirectoryWithSlash(), cwd);
    WorkingDirectory root("/");  // no double slash
    EXPECT_EQ(getAppHomePathFromArgV0("app"), "/");
    EXPECT_EQ(getAppHomePathFromArgV0("./bin/app"), "/bin/");
}

TEST(StoragePathMapping, RelativePathsGoBelowHomeOrTheirStorageLocation) {
    StoragePaths paths("/home/pilot/cirrona");
    paths.setFromLocations({"/media/usb/", "/data/", "/mnt/charts/", "/var/"});
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/a", "/tmp/a"}, {"", "/home/pilot/cirrona/"}, {"ImagesX", "/home/pilot/cirrona/ImagesX"},
        {"Images/bg.jpg", "/media/usb/.Cirrona/Images/bg.jpg"}, {"Terrain/t.bin", "/data/.Cirrona/Terrain/t.bin"},
        {"ChartData/x", "/mnt/charts/.Cirrona/ChartData/x"},    {"Logs/log.txt", "/var/.Cirrona/Logs/log.txt"},
        {"Logs", "/home/pilot/cirrona/Logs"},
        {"logs/x", "/home/pilot/cirrona/logs/x"},  // prefixes are case-sensitive
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
