#include "app/FirstStart.h"

#include "base/Version.h"
#include "base/DataLocationsFile.h"
#include "app/DefaultDataFiles.h"
#include "base/FileUtils.h"
#include "app/config/StandardConfig.h"

#include <cstdio>

namespace {

void writeDefaultFiles(const std::string& appHome, unsigned major, unsigned minor) {
    const std::string data = appHome + "data/";
    writeStringToFile(data + "calibration.ini", getDefaultCalibrationText());
    writeStandardConfigFile(appHome, major, minor);
    writeStringToFile(data + "extSensorConfig.ini", getDefaultExtSensorConfigText());
    writeStringToFile(data + "hotspot.ini", getDefaultHotspotText());
    // The aircraft profiles are the pilot's own work: never replaced.
    if (!fileExists(data + "aircrafts.ini")) writeStringToFile(data + "aircrafts.ini", getDefaultAircraftsText());
}

}  // namespace

std::string getFirstStartMarkerPath(const std::string& appHome, unsigned major, unsigned minor) {
    return appHome + "data/" + std::to_string(major) + "." + std::to_string(minor) + "_data_created";
}

FirstStartOutcome runFirstStartOfVersion(const std::string& appHome, const StorageLocationChooser& chooseLocations,
                                         unsigned major, unsigned minor) {
    FirstStartOutcome outcome;
    const std::string marker = getFirstStartMarkerPath(appHome, major, minor);
    std::printf("apphome: %s ss: %s\n", appHome.c_str(), marker.c_str());
    if (fileExists(marker)) return outcome;

    std::printf("cpp: Create Data\n");
    std::fflush(stdout);
    createDirectory(appHome + "data");
    createDirectory(appHome + "customElements");
    createDirectory(appHome + "Screenshots");
    createDirectory(appHome + "data/Packages");
    removeFileOrTree(appHome + "data/recent");

    writeDefaultFiles(appHome, major, minor);

    const std::string dataIni = appHome + "data/data.ini";
    if (!fileExists(dataIni)) {
        StorageLocations chosen;
        if (!chooseLocations || !chooseLocations(&chosen)) {
            outcome.result = FirstStartOutcome::CANCELLED;
            return outcome;
        }
        writeStorageLocations(dataIni, chosen);
        std::printf("Data saved at: %s\n", dataIni.c_str());
        createStorageTrees(chosen);
    }

    writeStringToFile(marker, "");
    if (!fileExists(marker)) {
        outcome.result = FirstStartOutcome::FAILED;
        outcome.errorMessage = L"Unknown error: data could not be created.";
        return outcome;
    }
    outcome.result = FirstStartOutcome::DONE;
    return outcome;
}

FirstStartOutcome runFirstStartOfVersion(const std::string& appHome, const StorageLocationChooser& chooseLocations) {
    return runFirstStartOfVersion(appHome, chooseLocations, kCirronaVersionMajor, kCirronaVersionMinor);
}
