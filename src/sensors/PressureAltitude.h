#pragma once

// The standard-atmosphere relation between static pressure (mbar) and
// altitude (metres), as altimeters use it.
constexpr double kStandardSeaLevelPressure = 1013.25;

// 44330 * (1 - (p / p0)^0.19029495718363465)
double calcAltitudeFromPressure(double pressure, double seaLevelPressure);
// The inverse of calcAltitudeFromPressure.
double calcPressureFromAltitude(double altitude, double seaLevelPressure);
// The sea-level pressure under which `pressure` reads as `altitude`.
double calcSeaLevelPressure(double pressure, double altitude);
// A pressure altitude (metres at 1013.25) as height above mean sea level
// under the given sea-level pressure.
double convertPressureAltitude2MSL(double pressureAltitude, double seaLevelPressure);
