#pragma once

// The built-in texts of the small configuration files written at the first
// start of a version. Each belongs to the part that reads the file; a part
// that has no defaults yet leaves its text empty (an empty INI file).
const char* getDefaultCalibrationText();       // data/calibration.ini
const char* getDefaultExtSensorConfigText();   // data/extSensorConfig.ini
const char* getDefaultHotspotText();           // data/hotspot.ini
const char* getDefaultAircraftsText();         // data/aircrafts.ini
