#include "app/DefaultDataFiles.h"

const char* getDefaultCalibrationText() { return ""; }

const char* getDefaultExtSensorConfigText() { return ""; }

const char* getDefaultHotspotText() { return ""; }

const char* getDefaultAircraftsText() { return ""; }
