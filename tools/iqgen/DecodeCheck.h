#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "iqgen/TrafficScenario.h"
#include "sdr/ModeSMessage.h"

// A decoder's output compared with what the scenario transmitted.
struct DecodedMessage {
    double time = 0;
    ModesMessage message;
};

struct DecodeCheck {
    size_t transmitted = 0;
    size_t found = 0;                        // transmitted messages decoded with the right content at the right time
    size_t spurious = 0;                     // decoded messages matching no transmission
    std::vector<uint32_t> unknownAddresses;  // decoded addresses of no aircraft in the scenario

    double recall() const { return transmitted ? double(found) / double(transmitted) : 0.0; }
};

// Matches by content and by time within 1 us of the transmission's start.
DecodeCheck checkDecoding(const TrafficScenario& scenario, const std::vector<DecodedMessage>& decoded);

// Runs the receive chain over a rendered recording, block by block as the
// radio delivers it.
std::vector<DecodedMessage> demodulateRecording(const std::vector<uint8_t>& iq);
