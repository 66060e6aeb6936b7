#include "FlightGenerator.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "base/Units.h"
#include "fusion/estimation/RotationMath.h"
#include "geo/Geodesy.h"

namespace {

constexpr double kGravity = 9.80665;
constexpr double kRollRate = 8.0;         // degrees per second
constexpr double kAlphaRate = 2.0;        // degrees per second
constexpr double kReferenceAlpha = 3.0;   // degrees at kReferenceSpeed in level flight
constexpr double kReferenceSpeed = 50.0;  // m/s
constexpr double kGnssWander = 20.0;      // seconds, correlation time of position errors
const Vector3d kUp{0, 1, 0};

double approach(double value, double target, double maxStep) {
    return value + std::clamp(target - value, -maxStep, maxStep);
}

// The kinematic state of the flight path at one sample.
struct PathPoint {
    double time;
    Vector3d position;  // east, up, north metres from the start
    Vector3d velocity;
    double heading, pathAngle, alpha, bank;  // radians
    bool onGround;
};

std::vector<PathPoint> flyPath(const FlightScenario& s) {
    const double dt = 1.0 / s.sampleRate;
    double total = 0;
    for (const FlightSegment& seg : s.segments) total += seg.duration;
    std::vector<PathPoint> path;
    path.reserve(size_t(total * s.sampleRate) + 2);
    double heading = units::degreesToRadians(s.startHeading), speed = units::knotsToMetresPerSecond(s.startSpeedKnots);
    double bank = 0, climb = 0, accel = 0, alpha = 0, groundRate = 0;
    Vector3d position;
    size_t segment = 0;
    double segmentEnd = s.segments.empty() ? 0 : s.segments[0].duration;
    for (double t = 0; t <= total + 1e-9; t += dt) {
        while (segment + 1 < s.segments.size() && t >= segmentEnd) segmentEnd += s.segments[++segment].duration;
        const FlightSegment& seg = s.segments[segment];
        const bool ground = seg.onGround;
        bank = approach(bank, ground ? 0.0 : units::degreesToRadians(seg.bankDegrees),
                        units::degreesToRadians(kRollRate) * dt);
        const double wantedAccel = std::clamp((units::knotsToMetresPerSecond(seg.speedKnots) - speed) / 4.0, -1.5, 2.0);
        accel += (wantedAccel - accel) * std::min(1.0, dt / 0.8);
        speed = std::max(0.0, speed + accel * dt);
        climb = ground ? 0.0 : approach(climb, seg.climbFpm * units::kMetresPerSecondPerFootPerMinute, 1.0 * dt);
        groundRate = approach(groundRate, ground ? units::degreesToRadians(seg.groundTurnRate) : 0.0, 0.2 * dt);
        heading += (ground ? groundRate : kGravity * std::tan(bank) / std::max(speed, 15.0)) * dt;
        const double pathAngle = speed > 1.0 ? std::asin(std::clamp(climb / speed, -0.5, 0.5)) : 0.0;
        const double ratio = kReferenceSpeed / std::max(speed, 20.0);
        const double wantedAlpha = ground ? 0.0 : std::min(12.0, kReferenceAlpha * ratio * ratio / std::cos(bank));
        alpha = approach(alpha, units::degreesToRadians(wantedAlpha), units::degreesToRadians(kAlphaRate) * dt);
        const Vector3d velocity(speed * std::cos(pathAngle) * std::sin(heading), speed * std::sin(pathAngle),
                                speed * std::cos(pathAngle) * std::cos(heading));
        position += velocity * dt;
        path.push_back({t, position, velocity, heading, pathAngle, alpha, bank, ground});
    }
    return path;
}

// Attitude without sideslip and with the ball centred: the wings are
// perpendicular to both the flight path and the specific force; the nose is
// above the path by the angle of attack. On the ground the wings stay level.
Matrix3x3 attitudeAt(const PathPoint& p, const Vector3d& specificForce) {
    const Vector3d along(std::cos(p.pathAngle) * std::sin(p.heading), std::sin(p.pathAngle),
                         std::cos(p.pathAngle) * std::cos(p.heading));
    Vector3d right = p.onGround ? kUp.crossProduct(along) : specificForce.crossProduct(along);
    if (right.getLength() < 1e-9) right = kUp.crossProduct(along);
    right.normalize();
    const Vector3d forward = along * std::cos(p.alpha) + along.crossProduct(right) * std::sin(p.alpha);
    return Matrix3x3(forward.crossProduct(right), forward);
}

Vector3d bodyRate(const Matrix3x3& before, const Matrix3x3& now, const Matrix3x3& after, double span) {
    Matrix3x3 d = now.getTranspose() * after;
    const Matrix3x3 e = now.getTranspose() * before;
    // Central difference of R^T dR/dt, whose antisymmetric part is [w]x;
    // span is the time between before and after.
    return Vector3d((d.m[2][1] - d.m[1][2]) - (e.m[2][1] - e.m[1][2]),
                    (d.m[0][2] - d.m[2][0]) - (e.m[0][2] - e.m[2][0]),
                    (d.m[1][0] - d.m[0][1]) - (e.m[1][0] - e.m[0][1])) /
           (2.0 * span);
}

class Noise {
public:
    explicit Noise(uint32_t seed) : engine(seed) {}
    double operator()(double sigma) { return sigma * normal(engine); }
    Vector3d vector(double sigma) { return {(*this)(sigma), (*this)(sigma), (*this)(sigma)}; }

private:
    std::mt19937 engine;
    std::normal_distribution<double> normal{0.0, 1.0};
};

bool inOutage(const SensorModel& m, double t) {
    for (const auto& o : m.gnssOutages)
        if (t >= o.first && t < o.second) return true;
    return false;
}

}  // namespace

std::vector<GeneratedSample> generateFlight(const FlightScenario& s) {
    const std::vector<PathPoint> path = flyPath(s);
    const size_t n = path.size();
    std::vector<GeneratedSample> out(n);
    if (n < 3) return {};
    const double dt = 1.0 / s.sampleRate;
    const SensorModel& m = s.sensors;
    std::vector<Vector3d> force(n);
    std::vector<Matrix3x3> attitude(n);
    for (size_t k = 0; k < n; ++k) {
        const size_t a = k == 0 ? 0 : k - 1, b = std::min(n - 1, k + 1);
        force[k] = (path[b].velocity - path[a].velocity) / (double(b - a) * dt) + Vector3d(0, kGravity, 0);
        attitude[k] = attitudeAt(path[k], force[k]);
    }
    Noise noise(s.seed);
    Vector3d bias = m.gyroBias, gnssError;
    const int gnssEvery = std::max(1, int(std::lround(s.sampleRate / std::clamp(m.gnssRate, 0.2, 20.0))));
    const double gnssStep = gnssEvery * dt;
    const double keep = std::exp(-gnssStep / kGnssWander), fresh = std::sqrt(1.0 - keep * keep);
    for (size_t k = 0; k < n; ++k) {
        const PathPoint& p = path[k];
        const Matrix3x3& r = attitude[k];
        GeneratedSample& g = out[k];
        const rotation::EulerDegrees e = rotation::toEulerDegrees(r);
        g.truth = {p.time,
                   r,
                   e.roll,
                   e.pitch,
                   e.heading,
                   units::radiansToDegrees(p.bank),
                   p.velocity.getLength(),
                   p.onGround,
                   inOutage(m, p.time)};

        RawSample& raw = g.raw;
        raw.time = p.time;
        const Matrix3x3 toBody = r.getTranspose();
        const size_t a = k == 0 ? 0 : k - 1, b = std::min(n - 1, k + 1);
        const Vector3d rate = bodyRate(attitude[a], r, attitude[b], double(b - a) * dt);
        bias += noise.vector(m.gyroDrift * std::sqrt(dt));
        raw.acc = toBody * force[k] + noise.vector(m.accNoise);
        raw.gyr = rate + bias + noise.vector(m.gyroNoise);
        raw.mag = toBody * m.earthField + m.hardIron + noise.vector(m.magNoise);
        raw.accAvail = raw.gyrAvail = raw.magAvail = true;

        if (k % size_t(gnssEvery) != 0) continue;
        gnssError = Vector3d(gnssError.x * keep + noise(m.gnssHorizontalNoise) * fresh,
                             gnssError.y * keep + noise(m.gnssVerticalNoise) * fresh,
                             gnssError.z * keep + noise(m.gnssHorizontalNoise) * fresh);
        if (g.truth.gnssOutage) continue;
        const Vector3d v = p.velocity + noise.vector(m.gnssVelocityNoise);
        const ChartPosition pos =
            Vector3df642ChartPosition(s.start, Vector3d(p.position.x + gnssError.x, 0, p.position.z + gnssError.z));
        GPS_Data& gps = raw.gps;
        raw.gpsAvail = true;
        gps.latitude = pos.latitude, gps.longitude = pos.longitude;
        gps.altitude = s.startAltitude + p.position.y + gnssError.y;
        gps.groundSpeed = units::metresPerSecondToKnots(std::hypot(v.x, v.z));
        gps.groundTrack = std::fmod(units::radiansToDegrees(std::atan2(v.x, v.z)) + 360.0, 360.0);
        gps.satellites = 9, gps.pdop = 1.4, gps.fixQuality = 1, gps.status = 1, gps.fixType = 3;
        gps.positionAvail = gps.altitudeAvail = gps.speedAvail = gps.groundTrackAvail = true;
        gps.dilutionOfPrecisionAvail = true;
        gps.timeStamp = uint32_t(p.time * 1000.0);
    }
    return out;
}
