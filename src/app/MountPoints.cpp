#include "app/MountPoints.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// /proc/mounts writes blanks, tabs, line feeds and backslashes in paths as
// three-digit octal escapes.
std::string decodeMountPath(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::strtol(digits.c_str(), nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool hasReadOnlyOption(const std::string& options) {
    std::istringstream list(options);
    std::string option;
    while (std::getline(list, option, ',')) {
        if (option == "ro") return true;
    }
    return false;
}

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

// Fills free and total bytes; false if the file system cannot be asked.
bool readSpace(MountPoint& point) {
    struct statvfs info;
    if (::statvfs(point.path.c_str(), &info) != 0) return false;
    point.freeBytes = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
    point.totalBytes = static_cast<uint64_t>(info.f_blocks) * info.f_frsize;
    return true;
}

}  // namespace

uint64_t getFreeSpace(const char* path) {
    struct statvfs info;
    if (!path || ::statvfs(path, &info) != 0) return 0;
    return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

std::vector<MountPoint> getUsableMountPoints(const std::string& mountsFile) {
    std::vector<MountPoint> points;
    std::ifstream mounts(mountsFile);
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPath, type, options;
        if (!(fields >> device >> mountPath)) continue;
        fields >> type >> options;
        const std::string path = decodeMountPath(mountPath);
        if (path.empty() || path[0] != '/' || path.compare(0, 5, "/run/") == 0) continue;
        if (hasReadOnlyOption(options)) continue;
        if (::access(path.c_str(), R_OK | W_OK) != 0) continue;
        MountPoint point;
        point.path = withTrailingSlash(path);
        point.name = point.path;
        if (!readSpace(point)) continue;
        points.push_back(point);
    }
    return points;
}

std::string getUserHomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return withTrailingSlash(home);
    if (const passwd* entry = ::getpwuid(::getuid())) {
        if (entry->pw_dir && *entry->pw_dir) return withTrailingSlash(entry->pw_dir);
    }
    return "";
}

std::vector<MountPoint> getUsableDirs(const std::string& mountsFile) {
    std::vector<MountPoint> dirs = getUsableMountPoints(mountsFile);
    const std::string home = getUserHomeDirectory();
    std::printf("User home: %s\n", home.c_str());
    if (!home.empty() && std::none_of(dirs.begin(), dirs.end(), [&](const MountPoint& p) { return p.path == home; })) {
        MountPoint point;
        point.path = home;
        point.name = home;
        if (readSpace(point)) dirs.push_back(point);
    }
    std::stable_sort(dirs.begin(), dirs.end(),
                     [](const MountPoint& a, const MountPoint& b) { return a.freeBytes > b.freeBytes; });
    return dirs;
}
