#pragma once
#include <string>

// Where the program lives and where its bulky data goes.

// The application home (the directory holding media/ and data/) derived from
// the program path argv[0], always ending in "/":
//  - no "/" or "\" in argv0 (started through PATH or from its own
//    directory): the current working directory;
//  - an absolute argv0: its directory;
//  - otherwise the working directory followed by argv0's directory, with a
//    leading "./" (or ".\") dropped.
std::string getAppHomePathFromArgV0(const char* argv0);

// The current working directory ending in "/" ("./" if it cannot be read).
std::string getCurrentDirectoryWithSlash();

// The four storage locations chosen by the pilot, as kept in data/data.ini:
// base directories, each ending in "/" (empty when unknown).
struct StorageLocations {
    std::string backgrounds;  // background images
    std::string terrain;
    std::string data;         // chart data
    std::string logs;

    bool operator==(const StorageLocations& other) const {
        return backgrounds == other.backgrounds && terrain == other.terrain && data == other.data &&
               logs == other.logs;
    }
};

// The application home and the four storage paths (each base directory
// followed by ".Cirrona/"), and the mapping of the program's relative paths
// onto them.
class StoragePaths {
public:
    StoragePaths() = default;
    explicit StoragePaths(const std::string& appHome) { setAppHome(appHome); }

    // Each storage path is the base directory followed by ".Cirrona/".
    void setFromLocations(const StorageLocations& locations);

    // Absolute paths stay as they are; "Images/...", "Terrain/...",
    // "ChartData/..." and "Logs/..." go below the matching storage path (the
    // prefix is kept: "Logs/log.txt" becomes <log path>Logs/log.txt);
    // everything else goes below the application home.
    std::string getAbsolutePath(const std::string& relative) const;

    const std::string& getAppHome() const { return appHome; }
    const std::string& getImagePath() const { return imagePath; }
    const std::string& getTerrainPath() const { return terrainPath; }
    const std::string& getDataPath() const { return dataPath; }
    const std::string& getLogPath() const { return logPath; }

    // The home always ends in "/" (one is added when missing).
    void setAppHome(const std::string& home);
    void setImagePath(const std::string& path) { imagePath = path; }
    void setTerrainPath(const std::string& path) { terrainPath = path; }
    void setDataPath(const std::string& path) { dataPath = path; }
    void setLogPath(const std::string& path) { logPath = path; }

private:
    std::string appHome;
    std::string imagePath;
    std::string terrainPath;
    std::string dataPath;
    std::string logPath;
};

// The name of the directory that holds the program's data below each chosen
// base directory.
inline const char* storageDirectorySuffix() { return ".Cirrona/"; }
