#include "sdr/ModeSTracker.h"

#include <cmath>

#include "geo/Geodesy.h"
#include "sdr/Cpr.h"
#include "traffic/TrafficTracking.h"

namespace {
// Faster than anything that flies near us, with room for the CPR grid and
// for a speed we have not heard yet.
constexpr double kMaxSpeedMps = 600.0;
constexpr double kJumpMarginMetres = 2000.0;
// Single-frame decoding is unambiguous within half a latitude zone of the
// reference; beyond it the answer is the wrong zone.
constexpr double kLocalRangeMetres = 180.0 * 1852.0;
// A target's own fix serves as the reference for single frames this long.
constexpr double kOwnFixReferenceSeconds = 30.0;
}  // namespace

void ModeSTracker::setOwnPosition(double latitude, double longitude) {
    ownKnown = true;
    ownLat = latitude;
    ownLon = longitude;
}

const TrafficAddData* ModeSTracker::tracking(uint32_t address) const {
    auto it = tracks.find(address);
    return it == tracks.end() ? nullptr : &it->second;
}

TrafficElement* ModeSTracker::useModesMessage(const ModesMessage& mm, double now) {
    const uint32_t address = mm.address & 0xFFFFFF;
    TrafficElement*& slot = traffic.traffic[address];
    if (!slot) {
        slot = new TrafficElement();
        slot->icaoAddress = address;
        tracks[address] = TrafficAddData{};
        tracks[address].lastPosition = tracks[address].lastAltitude = now;
    }
    TrafficElement& e = *slot;
    TrafficAddData& add = tracks[address];
    add.lastMessage = now;

    if (mm.altitudeValid && (mm.df == 0 || mm.df == 4 || mm.df == 16 || mm.df == 20 || mm.df == 17)) {
        e.altitude = mm.altitudeFeet;
        add.lastAltitude = now;
    }
    if (mm.df == 17 && !mm.callsign.empty()) e.name = mm.callsign;
    if (mm.df == 17 && mm.cprValid) usePosition(e, add, mm, now);
    if (mm.df == 17 && mm.velocityValid) {
        e.velocity = int(std::lround(mm.groundSpeedKnots));
        e.track = float(mm.trackDegrees);
    }
    if (mm.df == 17 && mm.verticalRateValid) e.climbRate = mm.verticalRateFpm;
    if (mm.squawkValid) e.squawk = mm.squawk;
    if (mm.df == 11) e.capabilityIndex = unsigned(mm.capability);
    return &e;
}

void ModeSTracker::usePosition(TrafficElement& e, TrafficAddData& add, const ModesMessage& mm, double now) {
    const int64_t nowMs = int64_t(std::llround(now * 1000.0));
    if (mm.cprOdd) {
        add.oddLat = mm.cprLat, add.oddLon = mm.cprLon, add.oddTimeMs = nowMs;
    } else {
        add.evenLat = mm.cprLat, add.evenLon = mm.cprLon, add.evenTimeMs = nowMs;
    }
    double lat = 0, lon = 0;
    bool decoded = false;
    const bool pair =
        add.evenTimeMs >= 0 && add.oddTimeMs >= 0 && std::llabs(add.evenTimeMs - add.oddTimeMs) <= kMaxPairGapMs;
    if (pair) {
        decoded = decodeCPR(add.evenLat, add.evenLon, add.oddLat, add.oddLon, add.oddTimeMs > add.evenTimeMs, lat, lon);
    } else if (add.lastFix >= 0 && now - add.lastFix <= kOwnFixReferenceSeconds && e.hasPosition()) {
        decodeCPRRelative(e.latitude, e.longitude, mm.cprLat, mm.cprLon, mm.cprOdd, lat, lon);
        decoded = true;
    } else if (ownKnown) {
        decodeCPRRelative(ownLat, ownLon, mm.cprLat, mm.cprLon, mm.cprOdd, lat, lon);
        decoded = calcDistance2(ChartPosition(ownLon, ownLat), ChartPosition(lon, lat)) < kLocalRangeMetres;
    }
    if (!decoded) return;
    if (!plausible(e, add, lat, lon, now)) {
        ++jumps;
        return;
    }
    e.latitude = lat;
    e.longitude = lon;
    add.lastPosition = now;
    add.lastFix = now;
}

bool ModeSTracker::plausible(const TrafficElement& e, const TrafficAddData& add, double lat, double lon,
                             double now) const {
    if (add.lastFix < 0 || !e.hasPosition()) return true;
    const double moved = calcDistance2(ChartPosition(e.longitude, e.latitude), ChartPosition(lon, lat));
    return moved <= kJumpMarginMetres + kMaxSpeedMps * (now - add.lastFix);
}

void ModeSTracker::age(double now) {
    for (auto it = tracks.begin(); it != tracks.end();) {
        TrafficAddData& add = it->second;
        auto target = traffic.traffic.find(it->first);
        if (now - add.lastMessage > kMaxSilenceSeconds || target == traffic.traffic.end()) {
            if (target != traffic.traffic.end()) {
                delete target->second;
                traffic.traffic.erase(target);
            }
            it = tracks.erase(it);
            continue;
        }
        extrapolateTrafficElement(target->second, now - add.lastPosition, now - add.lastAltitude);
        add.lastPosition = now;
        add.lastAltitude = now;
        ++it;
    }
}
