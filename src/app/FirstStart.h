#pragma once
#include "base/AppPaths.h"

#include <functional>
#include <string>

// The work done once per program version, at its first start: the home's
// directory tree, the default configuration files and, on a new
// installation, the choice of the storage locations. A marker file
// data/<major>.<minor>_data_created records that it is done, so a new version
// does it again.

// Asks the pilot where to keep the bulky data; false if no choice was made
// (the window was closed).
using StorageLocationChooser = std::function<bool(StorageLocations* chosen)>;

struct FirstStartOutcome {
    enum Result {
        ALREADY_DONE,  // the marker exists: nothing was done
        DONE,          // the work was done and the marker created
        CANCELLED,     // no storage location was chosen: no marker, asked again next start
        FAILED,        // the marker could not be created; see errorMessage
    };
    Result result = ALREADY_DONE;
    std::wstring errorMessage;  // for FAILED: "Unknown error: data could not be created."
};

// "<appHome>data/<major>.<minor>_data_created"
std::string getFirstStartMarkerPath(const std::string& appHome, unsigned major, unsigned minor);

// Runs the first-start work for the given version if its marker is missing:
// creates data/, customElements/, Screenshots/ and data/Packages/ (0770);
// deletes data/recent; writes data/calibration.ini, the standard
// data/config.ini, data/extSensorConfig.ini and data/hotspot.ini (always) and
// data/aircrafts.ini (only if absent); if data/data.ini is missing, asks
// chooseLocations, writes data/data.ini and creates the storage trees; then
// creates the marker. appHome ends in "/".
FirstStartOutcome runFirstStartOfVersion(const std::string& appHome, const StorageLocationChooser& chooseLocations,
                                         unsigned major, unsigned minor);

// The same for the program's own version.
FirstStartOutcome runFirstStartOfVersion(const std::string& appHome, const StorageLocationChooser& chooseLocations);
