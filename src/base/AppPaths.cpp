#include "base/AppPaths.h"

#include <cstring>
#include <unistd.h>

namespace {

bool startsWith(const std::string& text, const char* prefix) { return text.compare(0, std::strlen(prefix), prefix) == 0; }

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

}  // namespace

std::string getCurrentDirectoryWithSlash() {
    char buffer[2048];
    if (!::getcwd(buffer, sizeof buffer)) return "./";
    return withTrailingSlash(buffer);
}

std::string getAppHomePathFromArgV0(const char* argv0) {
    const std::string cwd = getCurrentDirectoryWithSlash();
    if (!argv0) return cwd;
    std::string program = argv0;
    if (program.find_last_of("/\\") == std::string::npos) return cwd;
    if (program[0] == '/') return program.substr(0, program.find_last_of("/\\") + 1);
    if (startsWith(program, "./") || startsWith(program, ".\\")) program.erase(0, 2);
    const size_t lastSeparator = program.find_last_of("/\\");
    if (lastSeparator == std::string::npos) return cwd;
    return cwd + program.substr(0, lastSeparator + 1);
}

void StoragePaths::setAppHome(const std::string& home) { appHome = withTrailingSlash(home); }

void StoragePaths::setFromLocations(const StorageLocations& locations) {
    imagePath = locations.backgrounds + storageDirectorySuffix();
    terrainPath = locations.terrain + storageDirectorySuffix();
    dataPath = locations.data + storageDirectorySuffix();
    logPath = locations.logs + storageDirectorySuffix();
}

std::string StoragePaths::getAbsolutePath(const std::string& relative) const {
    if (startsWith(relative, "/")) return relative;
    if (startsWith(relative, "Images/")) return imagePath + relative;
    if (startsWith(relative, "Terrain/")) return terrainPath + relative;
    if (startsWith(relative, "ChartData/")) return dataPath + relative;
    if (startsWith(relative, "Logs/")) return logPath + relative;
    return appHome + relative;
}
