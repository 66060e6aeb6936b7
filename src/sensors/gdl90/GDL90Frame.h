#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// GDL90 link layer: the frame check sequence and the byte stuffing that
// turns one message (starting with its message-ID byte) into a frame.

// CRC-16-CCITT as GDL90 defines it: polynomial 0x1021, initial value 0,
// table-driven, no final XOR. Computed over the unescaped message bytes.
uint16_t gdl90Crc(const unsigned char* data, size_t length);

// Frames one message for the wire: 0x7E, message and FCS (least significant
// byte first) with every 0x7E and 0x7D replaced by 0x7D followed by the byte
// XOR 0x20, then 0x7E. The result is appended to `out`.
void appendGDL90Frame(const unsigned char* message, size_t length, std::vector<unsigned char>& out);

inline std::vector<unsigned char> makeGDL90Frame(const std::vector<unsigned char>& message) {
    std::vector<unsigned char> frame;
    appendGDL90Frame(message.data(), message.size(), frame);
    return frame;
}
