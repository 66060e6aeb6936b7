#include "fusion/RequiredSensors.h"

#include "fusion/sources/IRawSource.h"

const char* const kAttitudeSensorsRequired =
    "Error: A gyroscope, accelerometer, magnetometer and GPS/GNSS receiver is required.";
const char* const kDeviceLacksAttitudeSensors = "Error: Your device does not have the required sensors for AHRS.";
const char* const kGyroscopeDenied = "Warning: Your device does not allow access to RAW gyroscope data.";

std::vector<std::string> missingAttitudeSensors(int have) {
    std::vector<std::string> missing;
    if (!(have & IRawSource::GYROSCOPE)) missing.push_back("Gyroscope is missing.");
    if (!(have & IRawSource::ACCELEROMETER)) missing.push_back("Accelerometer is missing.");
    if (!(have & IRawSource::MAGNETOMETER)) missing.push_back("Magnetometer is missing.");
    if (!(have & IRawSource::GNSS)) missing.push_back("GNSS/GPS is missing.");
    return missing;
}
