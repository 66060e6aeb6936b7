#pragma once
#include <string>
#include <vector>

// Attitude estimation needs a gyroscope, an accelerometer, a magnetometer
// and a GNSS receiver; GNSS-only operation needs nothing but the receiver.

// The log's headline when one is missing.
extern const char* const kAttitudeSensorsRequired;
// What the pilot is told when the device cannot do attitude: it lacks
// sensors, or it hides the gyroscope it has.
extern const char* const kDeviceLacksAttitudeSensors;
extern const char* const kGyroscopeDenied;

// One line per missing sensor ("Gyroscope is missing." ...) for a source's
// IRawSource::getCompatibility() bits; empty when attitude can run.
std::vector<std::string> missingAttitudeSensors(int compatibility);
