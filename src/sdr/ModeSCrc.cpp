#include "sdr/ModeSCrc.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
constexpr uint32_t kGenerator = 0xFFF409;  // x^24 implied
constexpr int kFormatBits = 5;

struct CrcTable {
    std::array<uint32_t, 256> byteCrc{};
    CrcTable() {
        for (uint32_t b = 0; b < 256; ++b) {
            uint32_t crc = b << 16;
            for (int i = 0; i < 8; ++i) crc = (crc & 0x800000) ? ((crc << 1) ^ kGenerator) : (crc << 1);
            byteCrc[b] = crc & 0xFFFFFF;
        }
    }
};

const CrcTable& crcTable() {
    static const CrcTable table;
    return table;
}

// Syndromes of error patterns in a long message, sorted for lookup. A short
// message is a long one with 56 leading zeros, which leave the CRC unchanged,
// so bit i of a short message is bit i + 56 of a long one.
struct ErrorEntry {
    uint32_t syndrome;
    int8_t first, second;  // long-message bit indexes; second -1 for a single error
    bool operator<(const ErrorEntry& o) const { return syndrome < o.syndrome; }
};

uint32_t bitSyndrome(int bit) {
    uint8_t message[kLongMessageBits / 8] = {};
    message[bit / 8] ^= uint8_t(0x80 >> (bit % 8));
    return modesSyndrome(message, kLongMessageBits);
}

struct ErrorTables {
    std::vector<ErrorEntry> single, twice;
    ErrorTables() {
        std::array<uint32_t, kLongMessageBits> bitSyn{};
        for (int i = 0; i < kLongMessageBits; ++i) bitSyn[i] = bitSyndrome(i);
        for (int i = 0; i < kLongMessageBits; ++i) {
            single.push_back({bitSyn[i], int8_t(i), -1});
            for (int j = i + 1; j < kLongMessageBits; ++j)
                twice.push_back({bitSyn[i] ^ bitSyn[j], int8_t(i), int8_t(j)});
        }
        std::sort(single.begin(), single.end());
        std::sort(twice.begin(), twice.end());
    }
};

const ErrorTables& errorTables() {
    static const ErrorTables tables;
    return tables;
}

void flip(uint8_t* message, int bit) { message[bit / 8] ^= uint8_t(0x80 >> (bit % 8)); }

// The unique error pattern of a table matching syndrome that lies within the
// repairable part of the message, or null when none or several do.
const ErrorEntry* findUnique(const std::vector<ErrorEntry>& table, uint32_t syndrome, int bits) {
    const int offset = kLongMessageBits - bits;
    auto range = std::equal_range(table.begin(), table.end(), ErrorEntry{syndrome, 0, 0});
    const ErrorEntry* found = nullptr;
    for (auto it = range.first; it != range.second; ++it) {
        if (it->first < offset + kFormatBits) continue;
        if (found) return nullptr;
        found = &*it;
    }
    return found;
}
}  // namespace

uint32_t modesChecksum(const uint8_t* message, int bits) {
    const auto& table = crcTable().byteCrc;
    uint32_t crc = 0;
    for (int i = 0; i < bits / 8 - 3; ++i) crc = ((crc << 8) ^ table[((crc >> 16) ^ message[i]) & 0xFF]) & 0xFFFFFF;
    return crc;
}

uint32_t modesSyndrome(const uint8_t* message, int bits) {
    const int n = bits / 8;
    const uint32_t parity = (uint32_t(message[n - 3]) << 16) | (uint32_t(message[n - 2]) << 8) | message[n - 1];
    return modesChecksum(message, bits) ^ parity;
}

int fixSingleBitErrors(uint8_t* message, int bits) {
    const ErrorEntry* e = findUnique(errorTables().single, modesSyndrome(message, bits), bits);
    if (!e) return -1;
    const int bit = e->first - (kLongMessageBits - bits);
    flip(message, bit);
    return bit;
}

bool fixTwoBitsErrors(uint8_t* message, int bits) {
    const ErrorEntry* e = findUnique(errorTables().twice, modesSyndrome(message, bits), bits);
    if (!e) return false;
    const int offset = kLongMessageBits - bits;
    flip(message, e->first - offset);
    flip(message, e->second - offset);
    return true;
}
