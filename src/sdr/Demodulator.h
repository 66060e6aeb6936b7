#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "sdr/ModeSMessage.h"
#include "sdr/RecentAddresses.h"

// Turns the magnitude of 2 MS/s samples into checked Mode S messages.
//
// A Mode S transmission is pulse-position modulated at 1 Mbit/s: an 8 us
// preamble (pulses at 0, 1, 3.5 and 4.5 us), then per bit a 0.5 us pulse in
// the first half (1) or the second half (0). At 2 MS/s each half bit is one
// sample, but the receiver's clock is not aligned with the transmitter's: a
// pulse generally straddles two samples, the earlier one getting (1 - phase)
// and the later one phase of its energy. Slicing by "first sample louder than
// second" works near phase 0 and fails near 0.5, which is where the classic
// decoders lose a third of their messages.
//
// So the preamble is used to measure the phase, the pulse amplitude and the
// noise floor, and the bit sequence whose predicted samples lie nearest the
// observed ones is found on a two-state trellis; the CRC catches what it
// still gets wrong.
class ModeSDemodulator {
public:
    // Samples needed after a preamble's start: 8 us preamble + 112 bits.
    static constexpr size_t kMessageSamples = 16 + 2 * 112;

    struct Stats {
        uint64_t candidates = 0, messages = 0, repaired = 0, rejectedAddress = 0;
    };
    using Sink = std::function<void(const ModesMessage&, double time)>;

    // recent: the address cache used to believe surveillance replies, and
    // filled from clean DF 11/17 messages; shared with the tracker.
    explicit ModeSDemodulator(RecentAddresses& recent) : recent(recent) {}

    void setErrorRepair(bool fix, bool aggressiveTwoBits) {
        fixErrors = fix;
        aggressive = aggressiveTwoBits;
    }

    // Scans preambles starting in magnitude[0 .. count); the vector must hold
    // kMessageSamples more samples after count (zeros at the end of a stream).
    // time0: seconds of magnitude[0]; sink receives every accepted message.
    void detectModeS(const uint16_t* magnitude, size_t count, double time0, const Sink& sink);

    const Stats& stats() const { return counters; }

private:
    bool sliceMessage(const uint16_t* m, float phase, float amplitude, float floor, uint8_t* bytes) const;

    RecentAddresses& recent;
    bool fixErrors = true;
    bool aggressive = false;
    Stats counters;
};

// round(360 * sqrt(i^2 + q^2)) for the 8-bit distances from the centre 127.
const uint16_t* magnitudeTable();
// The magnitude of each unsigned 8-bit I/Q pair; returns their sum.
uint64_t computeMagnitudes(const uint8_t* iq, size_t pairs, uint16_t* magnitude);
