#include "sensors/gdl90/GDL90Frame.h"

#include <array>

namespace {
const unsigned char FLAG_BYTE = 0x7E;
const unsigned char ESCAPE_BYTE = 0x7D;

std::array<uint16_t, 256> buildCrcTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit) crc = (crc << 1) ^ ((crc & 0x8000) ? 0x1021 : 0);
        table[i] = static_cast<uint16_t>(crc);
    }
    return table;
}

const std::array<uint16_t, 256>& crcTable() {
    static const std::array<uint16_t, 256> table = buildCrcTable();
    return table;
}

void appendStuffed(unsigned char byte, std::vector<unsigned char>& out) {
    if (byte == FLAG_BYTE || byte == ESCAPE_BYTE) {
        out.push_back(ESCAPE_BYTE);
        out.push_back(byte ^ 0x20);
    } else {
        out.push_back(byte);
    }
}
}  // namespace

uint16_t gdl90Crc(const unsigned char* data, size_t length) {
    const std::array<uint16_t, 256>& table = crcTable();
    uint16_t crc = 0;
    for (size_t i = 0; i < length; ++i) {
        crc = static_cast<uint16_t>(table[crc >> 8] ^ (crc << 8) ^ data[i]);
    }
    return crc;
}

void appendGDL90Frame(const unsigned char* message, size_t length, std::vector<unsigned char>& out) {
    const uint16_t crc = gdl90Crc(message, length);
    out.reserve(out.size() + length + 8);
    out.push_back(FLAG_BYTE);
    for (size_t i = 0; i < length; ++i) appendStuffed(message[i], out);
    appendStuffed(static_cast<unsigned char>(crc & 0xFF), out);
    appendStuffed(static_cast<unsigned char>(crc >> 8), out);
    out.push_back(FLAG_BYTE);
}
