#pragma once
#include <string>
#include <vector>

// File helpers of the chart's own data files. Their contents are records of
// the one codec (base/RecordCodec.h).

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::vector<char>& content);

// Names (not paths) of the files in folder ending with extension, sorted;
// empty when the folder cannot be read.
std::vector<std::string> listFilesWithExtension(const std::string& folder, const std::string& extension);
// Creates the folder (permissions 0770) and any missing parents.
bool createFolders(const std::string& folder);
