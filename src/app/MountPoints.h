#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One candidate location for the program's bulky data.
struct MountPoint {
    std::string path;  // ends in "/"
    std::string name;  // shown to the pilot
    uint64_t freeBytes = 0;
    uint64_t totalBytes = 0;
};

// Free bytes (available to this process) of the file system holding path;
// 0 if it cannot be asked.
uint64_t getFreeSpace(const char* path);

// The mount points listed in a mounts file (format of /proc/mounts: fields
// separated by blanks or tabs, the second the mount point, octal escapes such
// as \040 for a blank) that can hold our data: readable and writable by this
// process, statvfs works, mounted read-write, and not below /run/ (runtime
// state, gone at the next boot).
std::vector<MountPoint> getUsableMountPoints(const std::string& mountsFile = "/proc/mounts");

// The user's home directory ending in "/": $HOME, else the password
// database; empty if neither is known.
std::string getUserHomeDirectory();

// The usable mount points plus the user's home directory (printed as
// "User home: "), each path once, sorted by free bytes, most free first.
std::vector<MountPoint> getUsableDirs(const std::string& mountsFile = "/proc/mounts");
