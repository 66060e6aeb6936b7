#pragma once
#include <cstdint>

// One Mode S frame as a receiver delivered it, already demodulated.
struct RawModeSFrame {
    uint8_t bytes[14] = {};
    int length = 0;     // bytes: 7 or 14
    double time = 0.0;  // seconds from the source's first data
};

// A source of demodulated Mode S frames: a receiver on the network, a file
// of text frames, or raw samples demodulated on the way. The ADS-B task
// polls it from the main loop; it never blocks.
class IRawADSBSource {
public:
    virtual ~IRawADSBSource() = default;
    // The next pending frame; false when none is waiting now.
    virtual bool nextFrame(RawModeSFrame& frame) = 0;
    // False once the source has ended for good (end of file); a network
    // source keeps trying to reconnect and stays alive.
    virtual bool alive() const { return true; }
};
