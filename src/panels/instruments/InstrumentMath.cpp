#include "panels/instruments/InstrumentMath.h"

#include <algorithm>
#include <cmath>

#include "base/Units.h"
#include "geo/Angles.h"

namespace {
constexpr double kDegrees = 180.0 / units::kPi;
// ln 2 / 1500: the deflection halves its distance to 180 degrees every
// 1500 ft/min.
constexpr double kVerticalSpeedDecay = 0.00046209812033;
}  // namespace

irr::core::rect<int> makeQuadratic(const irr::core::rect<int>& area) {
    const int w = area.getWidth(), h = area.getHeight();
    const int side = std::min(w, h);
    const int x = area.UpperLeftCorner.X + (w - side) / 2;
    const int y = area.UpperLeftCorner.Y + (h - side) / 2;
    return irr::core::rect<int>(x, y, x + side, y + side);
}

AltimeterNeedles altimeterNeedleAngles(double h) {
    return {Angle0to360(h / 10000.0) * 36.0, Angle0to360(h / 1000.0) * 36.0, Angle0to360(h / 100.0) * 36.0};
}

double verticalSpeedDeflection(double v) {
    const double magnitude = 180.0 * (1.0 - std::exp(-std::fabs(v) * kVerticalSpeedDecay));
    return v < 0 ? -magnitude : magnitude;
}

double speedScaleAngle(double speed, double s0, double s1, double exponent) {
    if (s1 <= s0) return 20.0;
    const double p = std::clamp((speed - s0) / (s1 - s0), 0.0, 1.0);
    return 20.0 + 320.0 * std::pow(p, exponent);
}

SpeedReading chooseDisplayedSpeed(const SpeedSource& s) {
    const bool airNeverSet = s.hasAirspeed && s.airspeed == 0 && s.airspeedTimeStamp == 0;
    if (s.hasAirspeed && !(airNeverSet && s.hasGroundSpeed)) return {s.airspeed, false};
    return {s.hasGroundSpeed ? s.groundSpeed : 0.0, true};
}

double calcIndicatedRoll(const Vector3d& forward, const Vector3d& up) {
    // right = up x forward; a right bank lowers the right wing tip.
    const Vector3d right = up.crossProduct(forward);
    return std::atan2(-right.y, up.y) * kDegrees;
}

PitchRoll attitudeAngles(const Vector3d& forward, const Vector3d& up) {
    Vector3d f = forward;
    f.normalize();
    double pitch = 90.0 - std::acos(std::clamp(f.y, -1.0, 1.0)) * kDegrees;
    if (up.y < 0) pitch = 180.0 - pitch;
    return {Latitudinize(pitch), calcIndicatedRoll(forward, up)};
}

double turnSymbolBank(double degreesPerSecond) { return std::clamp(degreesPerSecond / 3.0 * 20.0, -40.0, 40.0); }

double slipBallOffset(double lateral, double vertical) {
    const double down = std::fabs(vertical);
    if (down < 0.5) return 0.0;  // no usable gravity: free fall or no data
    return std::clamp(lateral / down / 0.2, -1.0, 1.0);
}

double gMeterAngle(double g) {
    const double clamped = std::clamp(g, kGMeterMinimum, kGMeterMaximum);
    return -135.0 + (clamped - kGMeterMinimum) / (kGMeterMaximum - kGMeterMinimum) * 270.0;
}
