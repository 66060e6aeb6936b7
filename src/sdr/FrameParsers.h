#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "sdr/IRawADSBSource.h"

// The two stream formats of network receivers, parsed incrementally: bytes
// may arrive in any pieces, and a frame is delivered only once complete.

class IFrameParser {
public:
    virtual ~IFrameParser() = default;
    virtual void feed(const char* data, size_t length) = 0;
    // Discards a half-read frame (after a connection drops).
    virtual void reset() = 0;
    // The next complete frame; false when none is ready.
    bool next(RawModeSFrame& frame);

protected:
    std::deque<RawModeSFrame> frames;
};

// AVR text (TCP port 30002 and files): "*" + hex + ";" per line; "@" adds a
// 48-bit time stamp (12 hex digits) before the frame. Anything else on a
// line is skipped.
class AvrParser : public IFrameParser {
public:
    void feed(const char* data, size_t length) override;
    void reset() override { line.clear(); }

private:
    void parseLine();
    std::string line;
};

// Beast binary (TCP port 30005): 0x1A, a type ('1' Mode A/C, '2' short,
// '3' long), a 6-byte 12 MHz time stamp, a signal byte and the frame; every
// 0x1A inside is doubled.
class BeastParser : public IFrameParser {
public:
    void feed(const char* data, size_t length) override;
    void reset() override;

private:
    void finishFrame();
    enum class State { Sync, Type, Body, Escape } state = State::Sync;
    int type = 0;
    size_t wanted = 0;
    uint8_t body[1 + 6 + 14] = {};
    size_t have = 0;
};
