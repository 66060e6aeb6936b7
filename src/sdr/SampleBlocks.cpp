#include "sdr/SampleBlocks.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kOverlapPairs = SampleBlocks::kOverlapBytes / 2;
}

SampleBlocks::SampleBlocks(RecentAddresses& recent)
    : samples(kBlockBytes + kOverlapBytes, 127),
      magnitude((kBlockBytes + kOverlapBytes) / 2 + ModeSDemodulator::kMessageSamples, 0),
      demod(recent) {}

void SampleBlocks::appendBlock(const uint8_t* block, size_t bytes) {
    bytes = std::min(bytes, kBlockBytes) & ~size_t(1);
    std::memmove(samples.data(), samples.data() + validBytes - kOverlapBytes, kOverlapBytes);
    std::memcpy(samples.data() + kOverlapBytes, block, bytes);
    validBytes = kOverlapBytes + bytes;
    pairsTotal += bytes / 2;
}

void SampleBlocks::computeMagnitudes() {
    magnitudePairs = validBytes / 2;
    ::computeMagnitudes(samples.data(), magnitudePairs, magnitude.data());
    std::fill(magnitude.begin() + magnitudePairs, magnitude.end(), 0);
    magnitudeTime = (double(pairsTotal) - double(magnitudePairs)) / kSampleRate;
}

void SampleBlocks::detect(const ModeSDemodulator::Sink& sink) {
    if (magnitudePairs <= kOverlapPairs) return;
    demod.detectModeS(magnitude.data(), magnitudePairs - kOverlapPairs, magnitudeTime, sink);
}

void SampleBlocks::process(const uint8_t* block, size_t bytes, const ModeSDemodulator::Sink& sink) {
    appendBlock(block, bytes);
    computeMagnitudes();
    detect(sink);
}

void SampleBlocks::flush(const ModeSDemodulator::Sink& sink) {
    const std::vector<uint8_t> quiet(kOverlapBytes, 127);
    process(quiet.data(), quiet.size(), sink);
}
