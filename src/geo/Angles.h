#pragma once
#include <string>

#include "geo/GeoVectors.h"

// Angle normalisation and the short texts made from angles. All in degrees
// unless the name says otherwise.

// x modulo 360 into [0, 360), except that exactly 360 stays 360 (a heading of
// 360 is shown as such).
double Angle360(double x);
// x modulo 360 into [0, 360).
double Angle0to360(double x);
// x modulo 360 into [-180, 180].
double Angle180(double x);
Vector3f Angle180(const Vector3f& angles);
Vector3d Angle180(const Vector3d& angles);
// Angle180, then folded at the poles: above 90 becomes 180 - x, below -90 becomes -180 - x.
double Latitudinize(double x);
// The longitude relative to reference in [-180, 180]: use before comparing longitudes.
double transformLongitude(double longitude, double reference);
// Signed a - b, brought into [-180, 180] by one step of 360.
double AngleDiff(double a, double b);
// Unsigned smallest difference between two headings, in [0, 180] for inputs in [0, 360).
double headingDiff(double a, double b);
double hlp_Flip(double x);
// Interpolates between two angles in radians along the shorter arc.
double lerpAngle(double a, double b, double t);

// "48  30'" for 48.5: whole degrees, two blanks, minutes, apostrophe.
std::string LatLongToString(double value);
// Runway number for a heading in whole degrees: 73 -> "07", 355 -> "36".
std::string RunwayDir(int heading);
// Runway number for a direction, never "00": 2 -> "36", 355 -> "36".
std::string dir2Label(float direction);
