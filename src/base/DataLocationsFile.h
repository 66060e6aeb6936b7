#pragma once
#include "base/AppPaths.h"

#include <string>

// data/data.ini records where the pilot chose to keep the bulky data. Its
// unnamed section holds Vendor ("Cirrona"), Backgrounds, Terrain, Data, Logs
// (base directories ending in "/") and SubId (empty); other entries of the
// file (installed data) belong to other parts and are kept.

// Reads the four locations; a missing key reads as an empty directory. False
// (and empty locations) if the file cannot be read.
bool readStorageLocations(const std::string& dataIniPath, StorageLocations* locations);

// Stores the four locations, Vendor and SubId, keeping the file's other
// entries. False if the file cannot be written.
bool writeStorageLocations(const std::string& dataIniPath, const StorageLocations& locations);

// Creates below each base directory D the directory D.Cirrona/ and its
// subdirectory: Images (backgrounds), Terrain, ChartData (data), Logs; all
// 0770. True if all eight exist afterwards.
bool createStorageTrees(const StorageLocations& locations);

// The chart data storage path (the Data location followed by ".Cirrona/",
// which holds "ChartData/") of a program started from appHome, resolved as
// the program resolves it: a relative or empty location is taken from the
// working directory. False, with the reason in *error, when the home has no
// data/data.ini: the program there would first ask where to keep its data.
bool findChartStoragePath(const std::string& appHome, std::string* storagePath, std::string* error);

// Gives a home without data/data.ini one that keeps all four kinds of data
// inside the home itself (demo and test installations). An existing file is
// the pilot's choice and is never changed. False if it cannot be written.
bool createSelfContainedLocations(const std::string& appHome);
