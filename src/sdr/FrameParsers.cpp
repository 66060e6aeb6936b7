#include "sdr/FrameParsers.h"

#include <cstring>

namespace {
constexpr uint8_t kEscape = 0x1A;
constexpr double kBeastClockHz = 12.0e6;
constexpr double kAvrClockHz = 12.0e6;

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Pulls hex digit pairs from text into out; false on a bad digit.
bool hexBytes(const std::string& text, uint8_t* out) {
    for (size_t i = 0; i < text.size() / 2; ++i) {
        const int hi = hexValue(text[2 * i]), lo = hexValue(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        out[i] = uint8_t(hi << 4 | lo);
    }
    return true;
}
}  // namespace

void AvrParser::feed(const char* data, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const char c = data[i];
        if (c == '\n' || c == '\r') {
            parseLine();
            line.clear();
        } else if (line.size() < 64) {
            line += c;
        }
    }
}

void AvrParser::parseLine() {
    const size_t end = line.find(';');
    if (line.size() < 2 || end == std::string::npos) return;
    std::string hex = line.substr(1, end - 1);
    RawModeSFrame frame;
    if (line[0] == '@') {
        if (hex.size() < 12) return;
        uint8_t stamp[6];
        if (!hexBytes(hex.substr(0, 12), stamp)) return;
        uint64_t ticks = 0;
        for (uint8_t b : stamp) ticks = ticks << 8 | b;
        frame.time = double(ticks) / kAvrClockHz;
        hex = hex.substr(12);
    } else if (line[0] != '*') {
        return;
    }
    if (hex.size() != 14 && hex.size() != 28) return;
    if (!hexBytes(hex, frame.bytes)) return;
    frame.length = int(hex.size() / 2);
    frames.push_back(frame);
}

bool IFrameParser::next(RawModeSFrame& frame) {
    if (frames.empty()) return false;
    frame = frames.front();
    frames.pop_front();
    return true;
}

void BeastParser::reset() {
    state = State::Sync;
    have = 0;
}

void BeastParser::feed(const char* data, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const uint8_t c = uint8_t(data[i]);
        switch (state) {
        case State::Sync:
            if (c == kEscape) state = State::Type;
            break;
        case State::Type:
            type = c;
            wanted = c == '1' ? 2 : c == '2' ? 7 : c == '3' ? 14 : 0;
            have = 0;
            // Any other byte after an escape is the start of a frame we
            // cannot use; wait for the next escape.
            state = wanted ? State::Body : (c == kEscape ? State::Type : State::Sync);
            break;
        case State::Body:
            if (c == kEscape) {
                state = State::Escape;
                break;
            }
            body[have++] = c;
            if (have == 7 + wanted) finishFrame();
            break;
        case State::Escape:
            if (c == kEscape) {
                body[have++] = c;
                state = State::Body;
                if (have == 7 + wanted) finishFrame();
            } else {
                // A lone escape inside a frame: the frame was cut, this
                // byte is the next frame's type.
                state = State::Type;
                --i;
            }
            break;
        }
    }
}

void BeastParser::finishFrame() {
    state = State::Sync;
    if (type == '1') return;  // Mode A/C replies carry no address
    RawModeSFrame frame;
    uint64_t ticks = 0;
    for (int k = 0; k < 6; ++k) ticks = ticks << 8 | body[k];
    frame.time = double(ticks) / kBeastClockHz;
    frame.length = int(wanted);
    std::memcpy(frame.bytes, body + 7, wanted);
    frames.push_back(frame);
}
