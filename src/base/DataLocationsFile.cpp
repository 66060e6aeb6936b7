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
