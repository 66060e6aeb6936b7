#include "base/DataLocationsFile.h"

#include "base/FileUtils.h"
#include "base/IniFile.h"

bool readStorageLocations(const std::string& dataIniPath, StorageLocations* locations) {
    IniFile ini;
    const bool read = ini.readFile(dataIniPath);
    locations->backgrounds = ini.get("", "Backgrounds");
    locations->terrain = ini.get("", "Terrain");
    locations->data = ini.get("", "Data");
    locations->logs = ini.get("", "Logs");
    return read;
}

bool writeStorageLocations(const std::string& dataIniPath, const StorageLocations& locations) {
    IniFile ini(dataIniPath);
    ini.set("", "Vendor", "Cirrona");
    ini.set("", "Backgrounds", locations.backgrounds);
    ini.set("", "Terrain", locations.terrain);
    ini.set("", "Data", locations.data);
    ini.set("", "Logs", locations.logs);
    ini.set("", "SubId", "");
    return ini.save(dataIniPath);
}

bool createStorageTrees(const StorageLocations& locations) {
    const std::pair<const std::string*, const char*> trees[] = {
        {&locations.backgrounds, "Images"},
        {&locations.terrain, "Terrain"},
        {&locations.data, "ChartData"},
        {&locations.logs, "Logs"},
    };
    bool ok = true;
    for (const auto& [base, subdirectory] : trees) {
        const std::string root = *base + storageDirectorySuffix();
        ok = createDirectory(root) && ok;
        ok = createDirectory(root + subdirectory) && ok;
    }
    return ok;
}

namespace {
std::string asFolder(std::string path) {
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    return path;
}
}  // namespace

bool findChartStoragePath(const std::string& appHome, std::string* storagePath, std::string* error) {
    const std::string dataIni = asFolder(appHome) + "data/data.ini";
    StorageLocations locations;
    if (!fileExists(dataIni) || !readStorageLocations(dataIni, &locations)) {
        *error = dataIni + " not found: no chart data location is chosen for this home";
        return false;
    }
    StoragePaths paths(appHome);
    paths.setFromLocations(locations);
    *storagePath = paths.getDataPath();
    return true;
}

bool createSelfContainedLocations(const std::string& appHome) {
    std::string home = asFolder(appHome);
    if (home.front() != '/')
        home = getCurrentDirectoryWithSlash() + home;
    const std::string dataIni = home + "data/data.ini";
    if (fileExists(dataIni))
        return true;
    return makePath(home + "data") && writeStorageLocations(dataIni, StorageLocations{home, home, home, home});
}
