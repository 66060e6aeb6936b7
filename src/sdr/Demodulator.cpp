#include "sdr/Demodulator.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int kPreambleSamples = 16;
// A pulse pair must stand this many halves above the block's mean magnitude
// (which is mostly noise) before the preamble is examined at all.
constexpr uint32_t kPulseOverNoiseHalves = 4;
constexpr float kPhaseRetry = 0.1f;
constexpr float kRetryPhaseBand = 0.35f;
// Formats worth the trellis: those the tracker uses. Comm-D (DF 24 and up)
// carries nothing for it, and letting its eight codes through would let a
// quarter of all noise candidates through too.
const bool kKnownFormat[32] = {true, false, false, false, true,  true, false, false, false, false, false,
                               true, false, false, false, false, true, true,  true,  false, true,  true};

std::vector<uint16_t> buildMagnitudeTable() {
    std::vector<uint16_t> table(129 * 129);
    for (int i = 0; i <= 128; ++i)
        for (int q = 0; q <= 128; ++q) table[i * 129 + q] = uint16_t(std::lround(360.0 * std::sqrt(i * i + q * q)));
    return table;
}

// Expected magnitude of a sample whose window holds pulse occupancies a
// (this half bit) and b (the next), over a noise floor.
struct SamplePrediction {
    float value[2][2];
    SamplePrediction(float amplitude, float phase, float floor) {
        for (int a = 0; a < 2; ++a)
            for (int b = 0; b < 2; ++b) {
                const float v = amplitude * ((1.0f - phase) * a + phase * b);
                value[a][b] = std::sqrt(v * v + floor * floor);
            }
    }
    float miss(float observed, int a, int b) const {
        const float d = observed - value[a][b];
        return d * d;
    }
};
}  // namespace

const uint16_t* magnitudeTable() {
    static const std::vector<uint16_t> table = buildMagnitudeTable();
    return table.data();
}

// The same table spread over every (I, Q) byte pair, so the per-sample work
// is one load: 128 KiB, which stays in the second-level cache.
const std::vector<uint16_t>& pairTable() {
    static const std::vector<uint16_t> table = [] {
        const uint16_t* small = magnitudeTable();
        std::vector<uint16_t> t(65536);
        for (int i = 0; i < 256; ++i)
            for (int q = 0; q < 256; ++q) t[size_t(i << 8 | q)] = small[std::abs(i - 127) * 129 + std::abs(q - 127)];
        return t;
    }();
    return table;
}

uint64_t computeMagnitudes(const uint8_t* iq, size_t pairs, uint16_t* magnitude) {
    const uint16_t* table = pairTable().data();
    uint64_t sum = 0;
    for (size_t k = 0; k < pairs; ++k) {
        magnitude[k] = table[size_t(iq[2 * k]) << 8 | iq[2 * k + 1]];
        sum += magnitude[k];
    }
    return sum;
}

// Bits are decided on a two-state trellis (the state is the previous bit):
// sample 15 + 2i sees the second half of bit i-1 and the first half of bit
// i, sample 16 + 2i both halves of bit i, so every sample enters exactly one
// transition. The format is read from a provisional traceback after five
// bits, which stops noise early and sets the length.
bool ModeSDemodulator::sliceMessage(const uint16_t* m, float phase, float amplitude, float floor,
                                    uint8_t* bytes) const {
    const SamplePrediction p(amplitude, phase, floor);
    float cost[2] = {1e30f, 0.0f};  // before bit 0 the quiet gap: as after a 1
    uint8_t from[112][2];
    int bits = 112;
    auto traceback = [&from](int last, int state, uint8_t* out) {
        for (int i = last; i >= 0; --i) {
            if (state) out[i / 8] |= uint8_t(0x80 >> (i % 8));
            else out[i / 8] &= uint8_t(~(0x80 >> (i % 8)));
            state = from[i][state];
        }
    };
    for (int i = 0; i < bits; ++i) {
        const int k = kPreambleSamples + 2 * i;
        const float sa = m[k - 1], sb = m[k];
        float next[2];
        for (int bit = 0; bit < 2; ++bit) {
            const float own = p.miss(sb, bit, 1 - bit);
            // previous bit q leaves occupancy 1 - q in its second half
            const float via0 = cost[0] + p.miss(sa, 1, bit);
            const float via1 = cost[1] + p.miss(sa, 0, bit);
            from[i][bit] = via1 < via0 ? 1 : 0;
            next[bit] = std::min(via0, via1) + own;
        }
        cost[0] = next[0];
        cost[1] = next[1];
        if (i == 4) {
            traceback(4, cost[1] < cost[0] ? 1 : 0, bytes);
            if (!kKnownFormat[bytes[0] >> 3]) return false;
            bits = modesMessageBits(modesDownlinkFormat(bytes[0]));
        }
    }
    // The half bit after the last one is quiet.
    const int k = kPreambleSamples + 2 * bits - 1;
    const float end0 = cost[0] + p.miss(m[k], 1, 0), end1 = cost[1] + p.miss(m[k], 0, 0);
    traceback(bits - 1, end1 < end0 ? 1 : 0, bytes);
    return true;
}

void ModeSDemodulator::detectModeS(const uint16_t* magnitude, size_t count, double time0, const Sink& sink) {
    if (count == 0) return;
    uint64_t sum = 0;
    for (size_t k = 0; k < count; ++k) sum += magnitude[k];
    const uint32_t noise = uint32_t(sum / count) + 1;
    const uint32_t pulseFloor = kPulseOverNoiseHalves * noise / 2;

    // (Position 0 is skipped: its first pulse may have begun before it.)
    for (size_t j = 1; j < count; ++j) {
        const uint16_t* m = magnitude + j;
        // Pulses 2, 7 and 9 (in half microseconds) each spread over two samples.
        // First the cheapest test that most noise fails: the second pulse
        // must stand out from the two quiet half bits after it.
        const uint32_t p2 = uint32_t(m[1]) + m[2];
        if (p2 < uint32_t(m[3]) + m[4] + noise / 2) continue;
        if (p2 < pulseFloor) continue;
        const uint32_t p9 = uint32_t(m[8]) + m[9];
        if (p9 < pulseFloor || p9 < uint32_t(m[10]) + m[11] + noise / 2) continue;
        const uint32_t p7 = uint32_t(m[6]) + m[7];
        if (p7 < pulseFloor || p7 < uint32_t(m[4]) + m[5] + noise / 2) continue;
        const uint32_t p0 = uint32_t(m[-1]) + m[0];
        if (p0 < pulseFloor || p0 < uint32_t(m[3]) + m[4] + noise / 2) continue;
        const uint32_t quiet = uint32_t(m[3]) + m[4] + m[5] + m[10] + m[11] + m[12] + m[13] + m[14];
        // Every pulse pair at least twice the mean of the quiet half bits.
        if (4 * p2 <= quiet || 4 * p7 <= quiet || 4 * p9 <= quiet) continue;
        ++counters.candidates;

        const float floor = quiet / 8.0f;
        const float late = float(m[1]) + m[6] + m[8];
        const float total = float(p2 + p7 + p9);
        const float phase = late / total;
        const float amplitude = total / 3.0f;
        const double time = time0 + double(j) / 2.0e6;
        ModesMessage mm;
        bool accepted = false;
        // The phase measured on four pulses is noisy; near half a sample a
        // small error flips bits, so a failed message there gets more tries.
        const int tries = std::fabs(phase - 0.5f) < kRetryPhaseBand ? 5 : 1;
        const float shifts[5] = {0.0f, -kPhaseRetry, kPhaseRetry, -2 * kPhaseRetry, 2 * kPhaseRetry};
        for (int t = 0; t < tries; ++t) {
            const float shift = shifts[t];
            uint8_t bytes[ModesMessage::kMaxBytes] = {};
            const float tried = std::clamp(phase + shift, 0.0f, 1.0f);
            if (!sliceMessage(m, tried, amplitude, floor, bytes)) break;
            mm = decodeModesMessage(bytes, fixErrors, aggressive);
            if (!mm.crcOk) continue;
            if (!recent.vouchFor(mm, time)) {
                ++counters.rejectedAddress;
                continue;
            }
            accepted = true;
            break;
        }
        if (!accepted) continue;
        ++counters.messages;
        if (mm.correctedBits) ++counters.repaired;
        sink(mm, time);
        j += 1;  // the same preamble one sample later would only repeat it
    }
}
