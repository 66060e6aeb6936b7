#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sdr/Demodulator.h"
#include "sdr/FrameParsers.h"
#include "sdr/ModeSTracker.h"

// The same bytes as a Beast stream, as AVR text and as I/Q samples: every
// frame that comes out has a Mode S length, and decoding and tracking it
// stays within the frame.
inline std::string checkModeSInput(const uint8_t* data, size_t size) {
    Traffic_Data traffic;
    ModeSTracker tracker(traffic);
    RecentAddresses recent;
    BeastParser beast;
    AvrParser avr;
    std::string problem;
    // Beast time stamps run on the receiver's clock: silence is counted from
    // the latest frame, whatever its time.
    double latest = 0.0;
    for (IFrameParser* parser : {static_cast<IFrameParser*>(&beast), static_cast<IFrameParser*>(&avr)}) {
        parser->feed(reinterpret_cast<const char*>(data), size);
        RawModeSFrame frame;
        while (parser->next(frame)) {
            if (frame.length != 7 && frame.length != 14)
                problem = "frame of " + std::to_string(frame.length) + " bytes";
            latest = std::max(latest, frame.time);
            const ModesMessage mm = decodeModesMessage(frame.bytes, true, true);
            if (mm.crcOk && recent.vouchFor(mm, frame.time)) tracker.useModesMessage(mm, frame.time);
        }
    }
    std::vector<uint16_t> magnitude(size / 2 + ModeSDemodulator::kMessageSamples);
    computeMagnitudes(data, size / 2, magnitude.data());
    ModeSDemodulator demodulator(recent);
    demodulator.detectModeS(magnitude.data(), size / 2, 0.0,
                            [&](const ModesMessage& mm, double time) { tracker.useModesMessage(mm, time); });
    tracker.age(latest + 1000.0);
    if (!traffic.traffic.empty()) problem = "targets survived two minutes of silence";
    return problem;
}
