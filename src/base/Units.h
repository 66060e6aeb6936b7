#pragma once

// Every conversion factor of the program lives here, so that a foot or a
// nautical mile is defined once. Values inside the program are SI (metres,
// metres per second, hectopascals, degrees Celsius) unless a name says
// otherwise; convert at the edges (file formats, protocols, the screen).
namespace units {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kPi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / kPi;

// Lengths in metres.
constexpr double kMetresPerFoot = 0.3048;
constexpr double kMetresPerNauticalMile = 1852.0;
constexpr double kMetresPerStatuteMile = 1609.344;
constexpr double kMetresPerKilometre = 1000.0;

// Speeds in metres per second.
constexpr double kMetresPerSecondPerKnot = kMetresPerNauticalMile / 3600.0;
constexpr double kMetresPerSecondPerKmh = 1000.0 / 3600.0;
constexpr double kMetresPerSecondPerMph = kMetresPerStatuteMile / 3600.0;
constexpr double kMetresPerSecondPerFootPerMinute = kMetresPerFoot / 60.0;

// Pressures in hectopascals.
constexpr double kHectopascalsPerInchOfMercury = 33.8638866667;
constexpr double kHectopascalsPerMillimetreOfMercury = 1.33322387415;

// Temperatures: degrees Fahrenheit per degree Celsius, and the Fahrenheit
// and Kelvin readings at 0 °C.
constexpr double kFahrenheitPerCelsius = 1.8;
constexpr double kFahrenheitAtZeroCelsius = 32.0;
constexpr double kKelvinAtZeroCelsius = 273.15;

// Standard gravity, metres per second squared.
constexpr double kStandardGravity = 9.80665;

inline double feetToMetres(double feet) { return feet * kMetresPerFoot; }
inline double metresToFeet(double metres) { return metres / kMetresPerFoot; }
inline double knotsToMetresPerSecond(double knots) { return knots * kMetresPerSecondPerKnot; }
inline double metresPerSecondToKnots(double speed) { return speed / kMetresPerSecondPerKnot; }
inline double degreesToRadians(double degrees) { return degrees * kRadiansPerDegree; }
inline double radiansToDegrees(double radians) { return radians * kDegreesPerRadian; }

}  // namespace units
