#include "sensors/PressureAltitude.h"

#include <cmath>

namespace {
constexpr double kExponent = 0.19029495718363465;
constexpr double kScaleHeight = 44330.0;
}  // namespace

double calcAltitudeFromPressure(double pressure, double seaLevelPressure) {
    return kScaleHeight * (1.0 - std::pow(pressure / seaLevelPressure, kExponent));
}

double calcPressureFromAltitude(double altitude, double seaLevelPressure) {
    return seaLevelPressure * std::pow(1.0 - altitude / kScaleHeight, 1.0 / kExponent);
}

double calcSeaLevelPressure(double pressure, double altitude) {
    return pressure / std::pow(1.0 - altitude / kScaleHeight, 1.0 / kExponent);
}

double convertPressureAltitude2MSL(double pressureAltitude, double seaLevelPressure) {
    return calcAltitudeFromPressure(calcPressureFromAltitude(pressureAltitude, kStandardSeaLevelPressure),
                                    seaLevelPressure);
}
