#pragma once
#include <cstdint>
#include <functional>
#include <string>

// File-system helpers shared by the subsystems. Directories are created with
// permissions 0770 (the program's data belongs to the user and their group).

// Creates one directory (0770). True if it exists afterwards.
bool createDirectory(const std::string& path);

// Creates the directory and all its missing parents (0770). A trailing "/"
// is allowed. True if the directory exists afterwards.
bool makePath(const std::string& path);

bool fileExists(const std::string& path);
bool isDirectory(const std::string& path);

// Removes a file, or a directory with everything in it. True if nothing is
// left at path afterwards (also when nothing was there).
bool removeFileOrTree(const std::string& path);

// Replaces the file with the text (through a temporary file, so it is never
// left half written). False if it cannot be written.
bool writeStringToFile(const std::string& path, const std::string& text);

// Calls visitor for every entry below directory, depth first, parents before
// their children; paths are directory + relative path. Entries of one
// directory come in name order so the walk is the same on every machine.
// Symbolic links are reported but not followed. False if directory cannot be
// read (the visitor has then not been called for it).
bool visitFiles(const std::string& directory,
                const std::function<void(const std::string& path, bool isDirectory)>& visitor);

// Total size in bytes of the regular files below the directory.
uint64_t countFileSize(const std::string& directory);

// Copies the directory tree from `from` into `to` (created as needed),
// replacing files of the same name. progress receives "Copying files: N%"
// whenever the percentage of copied bytes changes (0% first, 100% last).
// False if anything could not be copied; the rest is still copied.
bool copyFiles(const std::string& from, const std::string& to,
               const std::function<void(const std::wstring& progressText)>& progress = nullptr);
