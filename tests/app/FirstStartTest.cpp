#include "app/FirstStart.h"

#include "base/DataLocationsFile.h"
#include "base/FileUtils.h"
#include "base/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class FirstStart : public ::testing::Test {
protected:
    StorageLocationChooser chooser(bool choose = true) {
        return [this, choose](StorageLocations* chosen) {
            ++chooserCalls;
            if (!choose) return false;
            *chosen = {home / "img/", home / "ter/", home / "chart/", home / "log/"};
            for (const std::string* base : {&chosen->backgrounds, &chosen->terrain, &chosen->data, &chosen->logs})
                makePath(*base);
            return true;
        };
    }
    std::string data(const std::string& name) const { return home / ("data/" + name); }

    TempDir home;
    int chooserCalls = 0;
};

}  // namespace

TEST_F(FirstStart, NewInstallationCreatesTreeFilesLocationsAndMarker) {
    makePath(home / "data/recent/old");
    EXPECT_EQ(runFirstStartOfVersion(home.path(), chooser()).result, FirstStartOutcome::DONE);
    EXPECT_EQ(chooserCalls, 1);

    for (const char* dir : {"data", "customElements", "Screenshots", "data/Packages"}) EXPECT_TRUE(isDirectory(home / dir)) << dir;
    EXPECT_FALSE(fileExists(data("recent")));
    for (const char* file : {"calibration.ini", "config.ini", "extSensorConfig.ini", "hotspot.ini", "aircrafts.ini"})
        EXPECT_TRUE(fileExists(data(file))) << file;
    EXPECT_EQ(getFirstStartMarkerPath(home.path(), 3, 3), data("3.3_data_created"));
    EXPECT_TRUE(fileExists(data("3.3_data_created")));

    EXPECT_EQ(IniFile(data("config.ini")).get("", "minor"), "3");
    StorageLocations chosen;
    ASSERT_TRUE(readStorageLocations(data("data.ini"), &chosen));
    EXPECT_EQ(chosen, (StorageLocations{home / "img/", home / "ter/", home / "chart/", home / "log/"}));
    for (const char* tree : {"img/.Cirrona/Images", "ter/.Cirrona/Terrain", "chart/.Cirrona/ChartData", "log/.Cirrona/Logs"})
        EXPECT_TRUE(isDirectory(home / tree)) << tree;
}

TEST_F(FirstStart, SecondStartOfTheSameVersionDoesNothingButANewVersionRepeatsTheWork) {
    ASSERT_EQ(runFirstStartOfVersion(home.path(), chooser()).result, FirstStartOutcome::DONE);
    writeWholeFile(data("config.ini"), "mine = 1\n");
    EXPECT_EQ(runFirstStartOfVersion(home.path(), chooser()).result, FirstStartOutcome::ALREADY_DONE);
    EXPECT_EQ(readWholeFile(data("config.ini")), "mine = 1\n");
    EXPECT_EQ(chooserCalls, 1);

    // A new version repeats the work.
    EXPECT_EQ(runFirstStartOfVersion(home.path(), chooser(), 3, 4).result, FirstStartOutcome::DONE);
    EXPECT_TRUE(fileExists(data("3.4_data_created")));
    EXPECT_EQ(IniFile(data("config.ini")).get("", "minor"), "4");
}

TEST_F(FirstStart, DeletedMarkerRewritesConfigurationButKeepsAircraftAndLocations) {
    ASSERT_EQ(runFirstStartOfVersion(home.path(), chooser()).result, FirstStartOutcome::DONE);
    for (const char* file : {"config.ini", "calibration.ini", "extSensorConfig.ini", "hotspot.ini", "aircrafts.ini"})
        writeWholeFile(data(file), "edited = yes\n");
    const std::string locations = readWholeFile(data("data.ini"));
    removeFileOrTree(data("3.3_data_created"));

    EXPECT_EQ(runFirstStartOfVersion(home.path(), chooser()).result, FirstStartOutcome::DONE);
    EXPECT_EQ(chooserCalls, 1);  // data.ini is there: no question
    const IniFile config(data("config.ini"));  // replaced, not merged
    EXPECT_EQ(config.get("", "PanelCount"), "311");
    EXPECT_FALSE(config.isAvailable("", "edited"));
    for (const char* file : {"calibration.ini", "extSensorConfig.ini", "hotspot.ini"})
        EXPECT_NE(readWholeFile(data(file)), "edited = yes\n") << file;
    EXPECT_EQ(readWholeFile(data("aircrafts.ini")), "edited = yes\n");
    EXPECT_EQ(readWholeFile(data("data.ini")), locations);
}

TEST_F(FirstStart, NoLocationChosenLeavesNoMarkerAndAnUncreatableDataDirectoryFails) {
    EXPECT_EQ(runFirstStartOfVersion(home.path(), chooser(false)).result, FirstStartOutcome::CANCELLED);
    EXPECT_FALSE(fileExists(data("3.3_data_created")));
    EXPECT_FALSE(fileExists(data("data.ini")));
    EXPECT_EQ(runFirstStartOfVersion(home.path(), nullptr).result, FirstStartOutcome::CANCELLED);
    removeFileOrTree(home / "data");
    writeWholeFile(home / "data", "a file where the directory should be");
    FirstStartOutcome outcome = runFirstStartOfVersion(home.path(), chooser());
    EXPECT_EQ(outcome.result, FirstStartOutcome::FAILED);
    EXPECT_EQ(outcome.errorMessage, L"Unknown error: data could not be created.");
}

TEST(DataLocations, WriteKeepsOtherEntriesAndReadFillsMissingWithEmpty) {
    TempDir dir;
    const std::string path = dir / "data.ini";
    writeWholeFile(path, "Data = /old/\nInstalled = charts-eu\n[Pkg]\nx = 1\n");
    ASSERT_TRUE(writeStorageLocations(path, {"/a/", "/b/", "/c/", "/d/"}));
    IniFile ini(path);
    EXPECT_EQ(ini.get("", "Installed") + ini.get("Pkg", "x") + ini.get("", "Vendor"), "charts-eu1Cirrona");
    EXPECT_TRUE(ini.isAvailable("", "SubId"));

    StorageLocations read;
    EXPECT_TRUE(readStorageLocations(path, &read));
    EXPECT_EQ(read, (StorageLocations{"/a/", "/b/", "/c/", "/d/"}));
    writeWholeFile(path, "Terrain = /t/\n");
    EXPECT_TRUE(readStorageLocations(path, &read));
    EXPECT_EQ(read, (StorageLocations{"", "/t/", "", ""}));
    EXPECT_FALSE(readStorageLocations(dir / "absent.ini", &read) || !(read == StorageLocations{}));
    // The storage trees need their base directories.
    EXPECT_FALSE(createStorageTrees({dir / "gone/", dir / "", dir / "", dir / ""}));
}
