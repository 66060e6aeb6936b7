#pragma once
#include <deque>

#include "geo/GeoVectors.h"
#include "sensors/GPS_Data.h"

// Turns successive accepted GNSS records into what the strategies compare
// the IMU with: the earth velocity (east, up, north) and the mean specific
// force over the interval between two records, gravity plus the change of
// velocity. The vertical velocity comes from a straight-line fit through the
// recent altitudes, because altitude differences of single records are far
// too noisy to differentiate.
class GnssKinematics {
public:
    static constexpr double kMaxIntervalSeconds = 2.5;
    static constexpr double kClimbFitSeconds = 10.0;
    static constexpr double kGravity = 9.80665;

    // Adds an accepted record taken at `time` (seconds). Returns true when
    // an interval average is available from it.
    bool add(const GPS_Data& gps, double time);
    void clear();

    const Vector3d& getVelocity() const { return velocity; }
    const Vector3d& getAverageVelocity() const { return averageVelocity; }
    const Vector3d& getAverageSpecificForce() const { return averageSpecificForce; }
    double getWindow() const { return window; }
    double getTime() const { return time; }
    double getGroundSpeedKnots() const { return groundSpeed; }
    double getAverageTrack() const { return averageTrack; }
    double getVerticalSpeed() const { return velocity.y; }

private:
    double fitClimbRate() const;

    struct AltitudeFix {
        double time, altitude;
    };
    std::deque<AltitudeFix> altitudes;
    bool hasPrevious = false;
    double previousTime = 0, previousTrack = 0;
    Vector3d velocity, averageVelocity, averageSpecificForce{0, kGravity, 0};
    double window = 0, time = 0, groundSpeed = 0, averageTrack = 0;
};
