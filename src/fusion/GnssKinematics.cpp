#include "fusion/GnssKinematics.h"

#include <cmath>

#include "base/Units.h"

void GnssKinematics::clear() {
    altitudes.clear();
    hasPrevious = false;
}

double GnssKinematics::fitClimbRate() const {
    if (altitudes.size() < 3) return 0.0;
    double st = 0, sa = 0;
    for (const AltitudeFix& f : altitudes) st += f.time, sa += f.altitude;
    const double n = double(altitudes.size()), mt = st / n, ma = sa / n;
    double num = 0, den = 0;
    for (const AltitudeFix& f : altitudes) {
        num += (f.time - mt) * (f.altitude - ma);
        den += (f.time - mt) * (f.time - mt);
    }
    return den > 0 ? num / den : 0.0;
}

bool GnssKinematics::add(const GPS_Data& gps, double now) {
    if (hasPrevious && now <= previousTime) return false;
    if (gps.altitudeAvail) {
        altitudes.push_back({now, gps.altitude});
        while (!altitudes.empty() && altitudes.front().time < now - kClimbFitSeconds) altitudes.pop_front();
    }
    groundSpeed = gps.speedAvail ? gps.groundSpeed : 0.0;
    const double track = gps.groundTrackAvail ? gps.groundTrack : previousTrack;
    const double speed = units::knotsToMetresPerSecond(groundSpeed);
    const double h = units::degreesToRadians(track);
    const Vector3d current(speed * std::sin(h), fitClimbRate(), speed * std::cos(h));

    // Until a second record gives an interval, the track is this record's.
    averageTrack = track;
    const bool interval = hasPrevious && now - previousTime <= kMaxIntervalSeconds;
    if (interval) {
        window = now - previousTime;
        time = now;
        averageVelocity = (current + velocity) * 0.5;
        averageSpecificForce = (current - velocity) / window + Vector3d(0, kGravity, 0);
        const double meanTrack = previousTrack + std::remainder(track - previousTrack, 360.0) / 2.0;
        averageTrack = std::fmod(meanTrack + 360.0, 360.0);
    }
    velocity = current;
    previousTime = now;
    previousTrack = track;
    hasPrevious = true;
    return interval;
}
