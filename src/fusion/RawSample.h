#pragma once
#include <string>

#include "geo/GeoVectors.h"
#include "sensors/GPS_Data.h"

// One raw sample as the fusion consumes it, whatever the source. Body axes:
// x right, y up, z forward.
struct RawSample {
    double time = 0;  // seconds of the source's clock
    Vector3d acc;     // specific force, m/s^2 (at rest and level (0, +9.81, 0))
    Vector3d gyr;     // angular velocity, rad/s
    Vector3d mag;     // magnetic field, microtesla, uncalibrated
    bool accAvail = false, gyrAvail = false, magAvail = false;
    bool gpsAvail = false;  // `gps` holds a record received with this sample
    // Names the receiver behind `gps` when the source can tell (a daemon
    // serving several); empty otherwise.
    std::string gpsSource;
    bool airspeedAvail = false;
    double airspeed = 0;  // from the pitot's dynamic pressure at sea-level density, m/s
    // hPa: the device's own barometer (in the cabin) and the static port.
    bool insidePressureAvail = false, outsidePressureAvail = false;
    double insidePressure = 0, outsidePressure = 0;
    GPS_Data gps;
};
