#include "sdr/Demodulator.h"

#include <cmath>
#include <vector>

namespace {
constexpr int kPreambleSamples = 16;
// A pulse pair must stand this many times above the block's mean magnitude
// (which is mostly noise) before the preamble is examined at all.
constexpr uint32_t kPulseOverNoise = 3;
const bool kKnownFormat[32] = {true,  false, false, false, true,  true,  false, false, false, false, false,
                               true,  false, false, false, false, true,  true,  true,  false, true,  true,
                               false, false, true,  true,  true,  true,  true,  true,  true,  true};

std::vector<uint16_t> buildMagnitudeTable() {
    std::vector<uint16_t> table(129 * 129);
    for (int i = 0; i <= 128; ++i)
        for (int q = 0; q <= 128; ++q) table[i * 129 + q] = uint16_t(std::lround(360.0 * std::sqrt(i * i + q * q)));
    return table;
}

// Squared distance of an observed sample from the one predicted for pulse
// occupancies a (this half bit) and b (the next one).
inline float miss(float observed, float amplitude, float phase, int a, int b) {
    const float d = observed - amplitude * ((1.0f - phase) * a + phase * b);
    return d * d;
}
}  // namespace

const uint16_t* magnitudeTable() {
    static const std::vector<uint16_t> table = buildMagnitudeTable();
    return table.data();
}

uint64_t computeMagnitudes(const uint8_t* iq, size_t pairs, uint16_t* magnitude) {
    const uint16_t* table = magnitudeTable();
    uint64_t sum = 0;
    for (size_t k = 0; k < pairs; ++k) {
        const int i = iq[2 * k] - 127, q = iq[2 * k + 1] - 127;
        magnitude[k] = table[(i < 0 ? -i : i) * 129 + (q < 0 ? -q : q)];
        sum += magnitude[k];
    }
    return sum;
}

bool ModeSDemodulator::sliceMessage(const uint16_t* m, float phase, float amplitude, uint8_t* bytes) const {
    int previous = 0;  // occupancy of the half bit before the current one (the quiet gap at first)
    int bits = 112;
    for (int i = 0; i < bits; ++i) {
        const int k = kPreambleSamples + 2 * i;
        const float sa = m[k - 1], sb = m[k], sc = m[k + 1];
        // One: occupancies 1 then 0; zero: 0 then 1; the half bit after is unknown.
        const float one = miss(sa, amplitude, phase, previous, 1) + miss(sb, amplitude, phase, 1, 0) +
                          std::min(miss(sc, amplitude, phase, 0, 0), miss(sc, amplitude, phase, 0, 1));
        const float zero = miss(sa, amplitude, phase, previous, 0) + miss(sb, amplitude, phase, 0, 1) +
                           std::min(miss(sc, amplitude, phase, 1, 0), miss(sc, amplitude, phase, 1, 1));
        const int bit = one < zero ? 1 : 0;
        previous = 1 - bit;
        if (bit)
            bytes[i / 8] |= uint8_t(0x80 >> (i % 8));
        else
            bytes[i / 8] &= uint8_t(~(0x80 >> (i % 8)));
        if (i == 4) {
            const int df = bytes[0] >> 3;
            if (!kKnownFormat[df]) return false;
            bits = modesMessageBits(modesDownlinkFormat(bytes[0]));
        }
    }
    return true;
}

void ModeSDemodulator::detectModeS(const uint16_t* magnitude, size_t count, double time0, const Sink& sink) {
    if (count == 0) return;
    uint64_t sum = 0;
    for (size_t k = 0; k < count; ++k) sum += magnitude[k];
    const uint32_t noise = uint32_t(sum / count) + 1;
    const uint32_t pulseFloor = kPulseOverNoise * noise;

    for (size_t j = 0; j < count; ++j) {
        const uint16_t* m = magnitude + j;
        // Pulses 2, 7 and 9 (in half microseconds) each spread over two samples.
        const uint32_t p2 = uint32_t(m[1]) + m[2];
        if (p2 < pulseFloor) continue;
        const uint32_t p9 = uint32_t(m[8]) + m[9];
        if (p9 < pulseFloor) continue;
        const uint32_t p7 = uint32_t(m[6]) + m[7];
        if (p7 < pulseFloor) continue;
        const uint32_t quiet = uint32_t(m[3]) + m[4] + m[5] + m[10] + m[11] + m[12] + m[13] + m[14];
        // Every pulse at least four times the mean of the quiet half bits.
        if (2 * p2 <= quiet || 2 * p7 <= quiet || 2 * p9 <= quiet) continue;
        ++counters.candidates;

        const float late = float(m[1]) + m[6] + m[8];
        const float total = float(p2 + p7 + p9);
        const float phase = late / total;
        const float amplitude = total / 3.0f;
        uint8_t bytes[ModesMessage::kMaxBytes] = {};
        if (!sliceMessage(m, phase, amplitude, bytes)) continue;
        const double time = time0 + double(j) / 2.0e6;
        ModesMessage mm = decodeModesMessage(bytes, fixErrors, aggressive);
        if (!mm.crcOk) continue;
        if (mm.addressFromParity) {
            if (!recent.seen(mm.address, time)) {
                ++counters.rejectedAddress;
                continue;
            }
        } else if (mm.correctedBits == 0 && (mm.df == 11 || mm.df == 17)) {
            recent.add(mm.address, time);
        }
        ++counters.messages;
        if (mm.correctedBits) ++counters.repaired;
        sink(mm, time);
        j += 1;  // the same preamble one sample later would only repeat it
    }
}
