#include "fusion/estimation/AccelerometerForceHistory.h"

#include <algorithm>

void AccelerometerForceHistory::add(const Vector3d& f, double time) {
    if (entries.empty()) {
        entries.push_back({time, Vector3d()});
        return;
    }
    const Entry& last = entries.back();
    if (time <= last.time) return;
    entries.push_back({time, last.integral + f * (time - last.time)});
    while (entries.size() > 2 && entries.front().time < time - kKeepSeconds) entries.pop_front();
}

bool AccelerometerForceHistory::integralAt(double time, Vector3d& out) const {
    if (entries.empty() || time < entries.front().time || time > entries.back().time) return false;
    auto after =
        std::lower_bound(entries.begin(), entries.end(), time, [](const Entry& e, double t) { return e.time < t; });
    if (after == entries.begin()) {
        out = after->integral;
        return true;
    }
    auto before = after - 1;
    const double span = after->time - before->time;
    const double w = span > 0 ? (time - before->time) / span : 0.0;
    out = before->integral + (after->integral - before->integral) * w;
    return true;
}

bool AccelerometerForceHistory::mean(double window, double end, Vector3d& out) const {
    if (window <= 0) return false;
    Vector3d a, b;
    // Tolerate a record stamped a little after the newest IMU sample.
    const double clampedEnd = entries.empty() ? end : std::min(end, entries.back().time);
    if (!integralAt(clampedEnd - window, a) || !integralAt(clampedEnd, b)) return false;
    out = (b - a) / window;
    return true;
}
