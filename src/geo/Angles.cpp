#include "geo/Angles.h"

#include <cmath>
#include <sstream>

namespace {

// fmod(x, 360), which is exact, without calling fmod for the common |x| < 720
// (where the single subtraction below is exact as well).
double remainder360(double x) {
    if (std::fabs(x) < 360.0) return x;
    if (x >= 360.0 && x < 720.0) return x - 360.0;
    if (x <= -360.0 && x > -720.0) return x + 360.0;
    return std::fmod(x, 360.0);
}

}  // namespace

double Angle0to360(double x) {
    double r = remainder360(x);
    if (r < 0.0) r += 360.0;
    // A tiny negative remainder plus 360 rounds to exactly 360.
    if (r >= 360.0) r = 0.0;
    return r;
}

double Angle360(double x) {
    if (x == 360.0) return 360.0;
    return Angle0to360(x);
}

double Angle180(double x) {
    double r = remainder360(x);
    if (r > 180.0) {
        r -= 360.0;
    } else if (r < -180.0) {
        r += 360.0;
    }
    return r;
}

Vector3f Angle180(const Vector3f& angles) {
    return {float(Angle180(angles.x)), float(Angle180(angles.y)), float(Angle180(angles.z))};
}

Vector3d Angle180(const Vector3d& angles) {
    return {Angle180(angles.x), Angle180(angles.y), Angle180(angles.z)};
}

double Latitudinize(double x) {
    double r = Angle180(x);
    if (r > 90.0) return 180.0 - r;
    if (r < -90.0) return -180.0 - r;
    return r;
}

double transformLongitude(double longitude, double reference) {
    return Angle180(longitude - reference);
}

double AngleDiff(double a, double b) {
    double d = a - b;
    if (d > 180.0) {
        d -= 360.0;
    } else if (d < -180.0) {
        d += 360.0;
    }
    return d;
}

double headingDiff(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180.0) d = 360.0 - d;
    return d;
}

double hlp_Flip(double x) {
    return 180.0 - x;
}

double lerpAngle(double a, double b, double t) {
    return std::atan2((1.0 - t) * std::sin(a) + t * std::sin(b), (1.0 - t) * std::cos(a) + t * std::cos(b));
}

std::string LatLongToString(double value) {
    int degrees = int(value);  // truncates towards zero, so the sign stays on both parts
    double minutes = (value - degrees) * 60.0;
    std::ostringstream text;
    text << degrees << "  " << minutes << "'";
    return text.str();
}

namespace {
std::string twoDigitRunwayNumber(int n) {
    std::string text = std::to_string(n);
    if (text.size() == 1) text = "0" + text;
    return text;
}
}  // namespace

std::string RunwayDir(int heading) {
    return twoDigitRunwayNumber(int(heading / 10.0 + 0.5));
}

std::string dir2Label(float direction) {
    int n = int(std::round(Angle0to360(direction) / 10.0));
    if (n == 0) return "36";
    return twoDigitRunwayNumber(n);
}
