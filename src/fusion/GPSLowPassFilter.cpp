#include "fusion/GPSLowPassFilter.h"

#include <cmath>

#include "base/Units.h"
#include "geo/Geodesy.h"

void GPSLowPassFilter::clear() {
    if (started) print("GPS Lowpass filter cleared.");
    started = false;
}

void GPSLowPassFilter::filter(GPS_Data& gps, double time) {
    if (!gps.positionAvail) return;
    const double gap = time - lastTime;
    if (started && (gap <= 0 || gap > kMaxGapSeconds || std::fabs(gps.latitude - latitude) > kMaxJumpDegrees ||
                    std::fabs(gps.longitude - longitude) > kMaxJumpDegrees))
        clear();
    if (!started) {
        latitude = gps.latitude, longitude = gps.longitude, altitude = gps.altitude, speed = gps.groundSpeed;
        started = true;
        lastTime = time;
        return;
    }
    interval += (gap - interval) * 0.2;
    // Carry the filtered position along the track first, so that smoothing
    // removes noise and not distance flown.
    if (gps.speedAvail && gps.groundTrackAvail) {
        const double distance = units::knotsToMetresPerSecond(gps.groundSpeed) * gap;
        const double track = units::degreesToRadians(gps.groundTrack);
        latitude += distance * std::cos(track) / METERS_PER_DEGREE;
        longitude += distance * std::sin(track) / (METERS_PER_DEGREE * frameCosine(latitude));
    }
    const double a = sigmaOverT > 0 ? 1.0 - std::exp(-gap / (sigmaOverT * interval)) : 1.0;
    latitude += (gps.latitude - latitude) * a;
    longitude += (gps.longitude - longitude) * a;
    if (gps.altitudeAvail) altitude += (gps.altitude - altitude) * a;
    if (gps.speedAvail) speed += (gps.groundSpeed - speed) * a;
    gps.latitude = latitude, gps.longitude = longitude, gps.altitude = altitude, gps.groundSpeed = speed;
    lastTime = time;
}
