#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One frame as a Beast receiver sends it: escape, type, 12 MHz time stamp,
// signal level, the frame, with every escape byte inside doubled.
inline std::string beast(char type, uint64_t ticks, const std::vector<uint8_t>& frame) {
    std::string body;
    for (int k = 5; k >= 0; --k) body += char((ticks >> (8 * k)) & 0xFF);
    body += char(0x40);  // signal level
    body.append(frame.begin(), frame.end());
    std::string out = {char(0x1A), type};
    for (char c : body) {
        out += c;
        if (c == char(0x1A)) out += c;
    }
    return out;
}
