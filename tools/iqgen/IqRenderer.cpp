#include "iqgen/IqRenderer.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>

namespace {
constexpr double kSampleRate = 2.0e6;
constexpr int kPreambleChips = 16;

// Pulse occupancy of each half-microsecond chip: preamble, then two per bit.
std::vector<uint8_t> chipsOf(const std::vector<uint8_t>& frame) {
    std::vector<uint8_t> chips(kPreambleChips, 0);
    for (int c : {0, 2, 7, 9}) chips[size_t(c)] = 1;
    for (size_t i = 0; i < frame.size() * 8; ++i) {
        const int bit = (frame[i / 8] >> (7 - i % 8)) & 1;
        chips.push_back(uint8_t(bit));
        chips.push_back(uint8_t(1 - bit));
    }
    return chips;
}

void addTransmission(const Transmission& t, std::vector<std::complex<float>>& signal) {
    const std::vector<uint8_t> chips = chipsOf(t.frame);
    const double startChip = t.startSeconds * kSampleRate;  // one chip per sample
    const long first = std::max(0L, long(std::floor(startChip)) - 1);
    const long last = std::min(long(signal.size()) - 1, long(std::ceil(startChip)) + long(chips.size()));
    for (long k = first; k <= last; ++k) {
        // The sample's window [k, k+1) in chips of this transmission.
        const double u = double(k) - startChip;
        const long c = long(std::floor(u));
        const double f = u - double(c);
        auto chip = [&chips](long i) { return i >= 0 && i < long(chips.size()) ? chips[size_t(i)] : 0; };
        const double occupancy = (1.0 - f) * chip(c) + f * chip(c + 1);
        if (occupancy <= 0) continue;
        const double seconds = double(k) / kSampleRate - t.startSeconds;
        const double phase = t.carrierPhase + 2.0 * M_PI * t.carrierOffsetHz * seconds;
        signal[size_t(k)] += std::polar(float(t.amplitude * occupancy), float(phase));
    }
}
}  // namespace

std::vector<uint8_t> renderIq(const std::vector<Transmission>& transmissions, const RenderOptions& options) {
    const size_t samples = size_t(options.durationSeconds * kSampleRate);
    std::vector<std::complex<float>> signal(samples);
    for (const Transmission& t : transmissions) addTransmission(t, signal);
    std::mt19937 random(options.seed);
    std::normal_distribution<float> noise(0.0f, float(options.noiseSigma));
    std::vector<uint8_t> iq(samples * 2);
    auto quantise = [](float v) { return uint8_t(std::clamp(std::lround(127.5f + v), 0L, 255L)); };
    for (size_t k = 0; k < samples; ++k) {
        iq[2 * k] = quantise(signal[k].real() + noise(random));
        iq[2 * k + 1] = quantise(signal[k].imag() + noise(random));
    }
    return iq;
}
