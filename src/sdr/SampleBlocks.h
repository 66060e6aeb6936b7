#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sdr/Demodulator.h"

// The receive buffer of a 2 MS/s stream of unsigned 8-bit I/Q pairs. Each
// new block is appended after the last 476 bytes of the previous one, so a
// message that started near the end of a block is still seen whole; only
// preambles before that carried-over tail are scanned, so none is seen twice.
class SampleBlocks {
public:
    static constexpr size_t kBlockBytes = 262144;
    static constexpr size_t kOverlapBytes = 476;
    static constexpr double kSampleRate = 2.0e6;

    explicit SampleBlocks(RecentAddresses& recent);

    // Carries the tail over and copies at most kBlockBytes of block after it.
    void appendBlock(const uint8_t* block, size_t bytes);
    // Magnitudes of the buffer as it is now (call under the same lock as appendBlock).
    void computeMagnitudes();
    // Finds the messages in the magnitudes last computed.
    void detect(const ModeSDemodulator::Sink& sink);
    // All three, for a caller without a reader thread.
    void process(const uint8_t* block, size_t bytes, const ModeSDemodulator::Sink& sink);

    // Scans the carried-over tail at the end of a stream.
    void flush(const ModeSDemodulator::Sink& sink);

    ModeSDemodulator& demodulator() { return demod; }
    double secondsReceived() const { return double(pairsTotal) / kSampleRate; }

private:
    std::vector<uint8_t> samples;
    std::vector<uint16_t> magnitude;
    size_t validBytes = kOverlapBytes;
    size_t magnitudePairs = 0;
    uint64_t pairsTotal = 0;  // new pairs appended so far
    double magnitudeTime = 0;
    ModeSDemodulator demod;
};
