#pragma once
#include <cstdint>
#include <vector>

// Renders Mode S transmissions to unsigned 8-bit I/Q pairs at 2 MS/s.
//
// Each sample integrates the pulse envelope over its 0.5 us window, which is
// how the receiver's 2 MHz filter sees a pulse that does not line up with its
// clock: it spreads over two samples. The carrier is rotated by its
// frequency offset and start phase; Gaussian noise is added to I and Q
// before the samples are rounded and clipped to the 8 bits of the stick.
struct Transmission {
    double startSeconds = 0;     // first preamble pulse; any sub-sample value
    std::vector<uint8_t> frame;  // 7 or 14 bytes
    double amplitude = 50;       // peak, in 8-bit counts
    double carrierOffsetHz = 0;
    double carrierPhase = 0;    // radians at the start
    double contentSeconds = 0;  // when the frame's content (a position) was true
};

struct RenderOptions {
    double durationSeconds = 1.0;
    double noiseSigma = 3.0;  // per component, in counts
    uint32_t seed = 1;
};

std::vector<uint8_t> renderIq(const std::vector<Transmission>& transmissions, const RenderOptions& options);
