#pragma once
#include <cstdint>
#include <map>
#include <memory>

#include "sdr/ModeSMessage.h"
#include "sensors/Traffic_Data.h"

// What the tracker remembers of a target beyond its TrafficElement.
struct TrafficAddData {
    uint32_t evenLat = 0, evenLon = 0, oddLat = 0, oddLon = 0;
    int64_t evenTimeMs = -1, oddTimeMs = -1;  // -1: no frame yet
    double lastMessage = 0, lastPosition = 0, lastAltitude = 0;
    double lastFix = -1;  // when a decoded position (not an extrapolation) last arrived
};

// Keeps the targets heard over Mode S current: each accepted message
// updates its target, positions come from CPR frames, and targets are dead
// reckoned until they fall silent for two minutes. Times are seconds on one
// clock of the caller's (the program's clock live, sample time on a file).
class ModeSTracker {
public:
    static constexpr double kMaxSilenceSeconds = 120.0;
    static constexpr int64_t kMaxPairGapMs = 10000;

    explicit ModeSTracker(Traffic_Data& traffic) : traffic(traffic) {}

    // Position of the receiver, for decoding single CPR frames before a pair
    // has arrived.
    void setOwnPosition(double latitude, double longitude);

    // Applies an accepted message; returns its target.
    TrafficElement* useModesMessage(const ModesMessage& mm, double now);
    // Extrapolates every target to now and drops the silent ones.
    void age(double now);

    const TrafficAddData* tracking(uint32_t address) const;
    uint64_t rejectedJumps() const { return jumps; }

private:
    void usePosition(TrafficElement& e, TrafficAddData& add, const ModesMessage& mm, double now);
    bool plausible(const TrafficElement& e, const TrafficAddData& add, double lat, double lon, double now) const;

    Traffic_Data& traffic;
    std::map<uint32_t, TrafficAddData> tracks;
    bool ownKnown = false;
    double ownLat = 0, ownLon = 0;
    uint64_t jumps = 0;
};
