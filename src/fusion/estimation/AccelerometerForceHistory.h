#pragma once
#include <deque>

#include "geo/GeoVectors.h"

// The running integral of the earth-frame specific force the IMU measured,
// so that its mean over any recent window can be set against the mean the
// GNSS velocity shows over the same window. Comparing means over one and the
// same interval is what keeps a GNSS record that arrives once a second from
// being compared with the wrong moment of a turn.
class AccelerometerForceHistory {
public:
    static constexpr double kKeepSeconds = 12.0;

    // Adds f (earth frame, m/s^2) as the value over (previous time, time].
    void add(const Vector3d& specificForce, double time);
    // Mean over [end - window, end]; false when the history does not cover it.
    bool mean(double window, double end, Vector3d& out) const;
    void clear() { entries.clear(); }

private:
    struct Entry {
        double time;
        Vector3d integral;
    };
    bool integralAt(double time, Vector3d& out) const;

    std::deque<Entry> entries;
};
