#pragma once
#include <irrlicht.h>

#include "geo/GeoVectors.h"

// The numbers behind the round gauges: needle angles from values, scales,
// and attitude read back from a rotation. All angles are degrees, measured
// clockwise from the top of the dial unless said otherwise; drawing passes
// them negated because the drawer turns counter-clockwise.

// The largest square centred in the rectangle.
irr::core::rect<int> makeQuadratic(const irr::core::rect<int>& area);

// Altimeter: each needle turns 36 degrees per unit of its magnitude.
struct AltimeterNeedles {
    double tenThousands;
    double thousands;
    double hundreds;
};
AltimeterNeedles altimeterNeedleAngles(double altitude);

// Vertical speed: 1500 ft/min gives 90 degrees, 3000 ft/min 135 degrees; the
// needle approaches but never reaches 180. Climbs turn it clockwise.
double verticalSpeedDeflection(double feetPerMinute);

// Speed dial: a 320-degree scale leaving a 40-degree gap centred at the
// bottom. The angle is measured clockwise from the bottom of the dial; the
// exponent stretches the low end (e < 1) or the high end (e > 1). Speeds
// outside [s0, s1] stop at the ends.
double speedScaleAngle(double speed, double s0, double s1, double exponent);

// The air speed when there is one, else the ground speed, flagged so the
// dial can say "GroundSpeed". An air-speed sample with value 0 and time
// stamp 0 was never set and does not count when a ground speed exists.
struct SpeedSource {
    bool hasAirspeed = false;
    double airspeed = 0;
    double airspeedTimeStamp = 0;
    bool hasGroundSpeed = false;
    double groundSpeed = 0;
};
struct SpeedReading {
    double value = 0;
    bool isGroundSpeed = false;
};
SpeedReading chooseDisplayedSpeed(const SpeedSource& source);

// Pitch (nose up positive, folded into [-90, 90]) and roll (right wing down
// positive, (-180, 180]) of an attitude given by its forward and up vectors
// in the earth frame (y up).
struct PitchRoll {
    double pitch;
    double roll;
};
PitchRoll attitudeAngles(const Vector3d& forward, const Vector3d& up);
// The roll an attitude indicator shows: the angle of the aircraft's up
// vector from the earth's vertical, seen along the nose.
double calcIndicatedRoll(const Vector3d& forward, const Vector3d& up);

// Turn coordinator: the wings of the symbol meet the standard-rate marks
// (20 degrees of bank on the dial) at 3 degrees per second; the symbol
// stops at 40 degrees.
double turnSymbolBank(double degreesPerSecond);

// The inclinometer ball: -1 (left end of the tube) to 1 (right end), from
// the acceleration's lateral and vertical components. The ball follows the
// apparent gravity and reaches the end of the tube at 0.2 g sideways.
double slipBallOffset(double lateral, double vertical);

// G-meter dial: -2 g to +6 g over 270 degrees, 1 g a little left of the top.
double gMeterAngle(double g);
constexpr double kGMeterMinimum = -2.0;
constexpr double kGMeterMaximum = 6.0;
