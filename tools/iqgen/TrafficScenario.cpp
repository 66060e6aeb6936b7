#include "iqgen/TrafficScenario.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "geo/Geodesy.h"
#include "iqgen/ModeSEncoder.h"

namespace {
constexpr double kNmMetres = 1852.0;
constexpr double kKnotsMps = 0.514444444;
constexpr double kGapSeconds = 20e-6;

double messageSeconds(const std::vector<uint8_t>& frame) { return (8.0 + frame.size() * 8.0) * 1e-6; }

// Squitter and reply rates per aircraft: (period in s, kind).
enum Kind { kPosition, kVelocity, kIdentification, kAllCall, kAltitude, kIdentity };
struct Schedule {
    Kind kind;
    double period;
};
const Schedule kSchedules[] = {{kPosition, 0.5}, {kVelocity, 0.5}, {kIdentification, 5.0},
                               {kAllCall, 1.0},  {kAltitude, 1.0}, {kIdentity, 2.0}};

std::vector<uint8_t> frameFor(const ScenarioAircraft& a, Kind kind, double t, int count) {
    double lat = 0, lon = 0;
    a.positionAt(t, lat, lon);
    const int altitude = a.altitudeFeet + int(a.verticalRateFpm * t / 60.0);
    switch (kind) {
    case kPosition:
        return modes_encode::airbornePosition(a.address, altitude, lat, lon, count % 2 == 1);
    case kVelocity:
        return modes_encode::velocity(a.address, a.speedKnots, a.trackDegrees, a.verticalRateFpm);
    case kIdentification:
        return modes_encode::identification(a.address, a.callsign);
    case kAllCall:
        return modes_encode::allCallReply(a.address);
    case kAltitude:
        return modes_encode::altitudeReply(a.address, altitude);
    case kIdentity:
        return modes_encode::identityReply(a.address, a.squawk);
    }
    return {};
}
}  // namespace

void ScenarioAircraft::positionAt(double seconds, double& lat, double& lon) const {
    const ChartPosition p =
        calcChartPositionAtBearing(ChartPosition(longitude, latitude), trackDegrees, speedKnots * kKnotsMps * seconds);
    lat = p.latitude;
    lon = p.longitude;
}

const ScenarioAircraft* TrafficScenario::find(uint32_t address) const {
    for (const auto& a : aircraft)
        if (a.address == address) return &a;
    return nullptr;
}

TrafficScenario buildScenario(const ScenarioOptions& o) {
    std::mt19937 random(o.seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    TrafficScenario scenario;
    std::set<uint32_t> used;
    for (int n = 0; n < o.aircraft; ++n) {
        ScenarioAircraft a;
        do a.address = uint32_t(random()) & 0xFFFFFF;
        while (a.address == 0 || !used.insert(a.address).second);
        a.callsign = "CIR" + std::to_string(100 + n);
        const ChartPosition p =
            calcChartPositionAtBearing(ChartPosition(o.centreLongitude, o.centreLatitude), 360.0 * unit(random),
                                       o.maxRangeNm * kNmMetres * std::sqrt(unit(random)));
        a.latitude = p.latitude;
        a.longitude = p.longitude;
        a.altitudeFeet = 25 * int(40 + unit(random) * 1400);
        a.speedKnots = 90 + unit(random) * 390;
        a.trackDegrees = 360.0 * unit(random);
        a.verticalRateFpm = 64 * int(unit(random) * 60 - 30);
        for (int digit = 0; digit < 4; ++digit) a.squawk = a.squawk * 10 + unsigned(unit(random) * 8);
        a.amplitude = o.minAmplitude * std::pow(o.maxAmplitude / o.minAmplitude, unit(random));
        scenario.aircraft.push_back(a);
    }
    for (const ScenarioAircraft& a : scenario.aircraft) {
        const double carrier = (unit(random) - 0.5) * 400e3;
        for (const Schedule& s : kSchedules) {
            if (!o.replies && (s.kind == kAllCall || s.kind == kAltitude || s.kind == kIdentity)) continue;
            int count = 0;
            for (double t = unit(random) * std::min(s.period, o.durationSeconds * 0.5); t < o.durationSeconds - 200e-6;
                 t += s.period * (0.8 + 0.4 * unit(random)), ++count) {
                Transmission tx;
                tx.startSeconds = t;
                tx.contentSeconds = t;
                tx.frame = frameFor(a, s.kind, t, count);
                tx.amplitude = a.amplitude;
                tx.carrierOffsetHz = carrier;
                tx.carrierPhase = 2.0 * M_PI * unit(random);
                scenario.transmissions.push_back(tx);
            }
        }
    }
    auto& txs = scenario.transmissions;
    std::sort(txs.begin(), txs.end(),
              [](const Transmission& x, const Transmission& y) { return x.startSeconds < y.startSeconds; });
    if (o.avoidOverlaps) {
        // Keep the order, push each one past the end of the previous; the
        // frames keep the content of their nominal time (a few ms off).
        double free = 0;
        for (Transmission& tx : txs) {
            tx.startSeconds = std::max(tx.startSeconds, free);
            free = tx.startSeconds + messageSeconds(tx.frame) + kGapSeconds;
        }
        txs.erase(std::remove_if(txs.begin(), txs.end(),
                                 [&o](const Transmission& tx) {
                                     return tx.startSeconds + messageSeconds(tx.frame) > o.durationSeconds;
                                 }),
                  txs.end());
    }
    return scenario;
}
