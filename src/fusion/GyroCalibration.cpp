#include "fusion/GyroCalibration.h"

#include <cmath>

#include "base/Units.h"

namespace {
Vector3d squared(const Vector3d& v) { return {v.x * v.x, v.y * v.y, v.z * v.z}; }
// Root of the summed variances of the three axes.
double spread(const Vector3d& mean, const Vector3d& meanOfSquares) {
    const Vector3d m2 = squared(mean);
    const double v = (meanOfSquares.x - m2.x) + (meanOfSquares.y - m2.y) + (meanOfSquares.z - m2.z);
    return std::sqrt(std::max(0.0, v));
}
}  // namespace

GyroCalibration::GyroCalibration(double restAcc, double restGyr, double periodSeconds)
    : accThreshold(restAcc), gyrThreshold(units::degreesToRadians(restGyr)), period(periodSeconds) {}

void GyroCalibration::restart() {
    collected = 0;
    sum = Vector3d();
}

void GyroCalibration::startRateCalibration() {
    announced = true;
    lastAnnouncedSecond = -1;
    restart();
    if (message) message("Gyro rate calibration in progress...");
}

bool GyroCalibration::add(const Vector3d& acc, const Vector3d& gyr, double dt) {
    const double accSpread = spread(accMean.add(acc, dt), accSquare.add(squared(acc), dt));
    const double gyrSpread = spread(gyrMean.add(gyr, dt), gyrSquare.add(squared(gyr), dt));
    if (accSpread > accThreshold || gyrSpread > gyrThreshold) {
        restSeconds = 0;
        restart();
        return false;
    }
    restSeconds += dt;
    if (!isAtRest()) return false;
    sum += gyr * dt;
    collected += dt;
    if (announced && message) {
        const int remaining = int(std::ceil(period - collected));
        if (remaining != lastAnnouncedSecond && remaining > 0) {
            lastAnnouncedSecond = remaining;
            message(std::to_string(remaining) + " seconds remaining...");
        }
    }
    if (collected < period) return false;
    bias = sum / collected;
    calibrated = true;
    announced = false;
    restart();
    return true;
}
