#include "sensors/gdl90/GDL90Messages.h"
#include "sensors/gdl90/GDL90Parser.h"

#include <cstring>

namespace {
// Every decoder reads at most this many bytes from the message-ID byte on
// (the UAT uplink: ID, 3 bytes time of reception, 432 payload bytes).
const int LONGEST_LAYOUT = 436;

// The layout is chosen by message ID and frame length (flags and FCS
// included, as the devices' own length checks count it).
std::unique_ptr<IGDL90Message> messageFor(const unsigned char* msg, int n) {
    if (n <= 4) return nullptr;
    const unsigned id = msg[0];
    switch (id) {
    case 0:
        if (n > 8) return std::make_unique<HeartbeatGDL90Message>();
        break;
    case 20:
        if (n > 29) return std::make_unique<TrafficGDL90Message>();
        break;
    case 10:
        if (n > 29) return std::make_unique<OwnShipGDL90Message>();
        break;
    case 11:
        if (n > 6) return std::make_unique<OwnShipGeoAltGDL90Message>();
        break;
    case 204: return std::make_unique<StratuxHeartbeatMessage>();
    case 76:
        if (msg[1] != 'E') break;
        if (msg[2] == 1 && msg[3] == 1 && n >= 26) return std::make_unique<StratuxAHRSMessage>();
        if (msg[2] == 2 && msg[3] == 0 && n >= 12) return std::make_unique<LevilAoAMessage>();
        if (msg[2] == 7 && n >= 14) return std::make_unique<LevilGPSStatus>();
        break;
    case 7:
        if (n > 435) return std::make_unique<UATUplinkGDL90Message>();
        break;
    case 101:
        if (msg[1] == 0) return std::make_unique<FFIdMessage>();
        if (msg[1] == 1) return std::make_unique<FFAHRSMessage>();
        break;
    case 61:
        if (n >= 39) return std::make_unique<TalosPressureMessage>();
        break;
    case 65:
        if (n >= 23) return std::make_unique<TalosTemperatureMessage>();
        break;
    case 66:
        if (n >= 38) return std::make_unique<TalosGPSMessage>();
        break;
    case 62:
        if (n > 29) return std::make_unique<TalosGyroMessage>();
        break;
    case 63:
        if (n > 29) return std::make_unique<TalosAccMessage>();
        break;
    case 83:
        if (n > 49) return std::make_unique<TalosAoAMessage>();
        break;
    case 71:
        if (n >= 54) return std::make_unique<TalosAttitudeMessage>();
        break;
    case 72:
        if (n >= 82) return std::make_unique<TalosCompassMessage>();
        break;
    default: break;
    }
    return nullptr;
}
}  // namespace

std::unique_ptr<IGDL90Message> createParsedMessage(const unsigned char* frame, int frameLength) {
    // Message bytes lie between the opening flag and the two FCS bytes.
    const int messageLength = frameLength - 4;
    if (messageLength < 1) return std::make_unique<UnknownGDL90Message>(0);

    // Short messages are decoded from a zero-filled copy, so a decoder never
    // reads beyond the frame however short a sender made it.
    unsigned char padded[LONGEST_LAYOUT] = {};
    const unsigned char* msg = frame + 1;
    if (messageLength < LONGEST_LAYOUT) {
        std::memcpy(padded, msg, messageLength);
        msg = padded;
    }
    std::unique_ptr<IGDL90Message> message = messageFor(msg, frameLength);
    if (!message) return std::make_unique<UnknownGDL90Message>(msg[0]);
    message->readFromRaw(msg);
    return message;
}
