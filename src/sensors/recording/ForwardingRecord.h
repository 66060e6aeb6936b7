#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The records of a forwarding datagram, back to back:
//   0  "SDat"
//   4  type (u32)
//   8  payload length n (u32)
//   12 checksum: the sum modulo 256 of every byte of the record but this one
//   13 the source's warning level for the type
//   14 sequence number: (milliseconds / forward period) modulo 256
//   15 the sample's record, n bytes
namespace forwarding {

constexpr size_t kHeaderSize = 15;
constexpr size_t kChecksumOffset = 12;

struct Record {
    uint32_t type = 0;
    uint8_t warning = 0;
    uint8_t sequence = 0;
    bool checksumOk = false;
    const char* payload = nullptr;
    uint32_t length = 0;
};

uint8_t checksum(const char* record, size_t length);
void appendRecord(std::string& out, uint32_t type, uint8_t warning, uint8_t sequence, const void* payload,
                  uint32_t length);
// Calls onRecord for every record that fits in the datagram, in order; stops
// at bytes that are not a record. Returns the number of records found.
int splitDatagram(const char* data, size_t size, const std::function<void(const Record&)>& onRecord);

// Whether `next` follows `last`: anything from two behind on, or a wrap past
// 255 by fewer than 11 steps.
bool isSequenceInOrder(uint8_t last, uint8_t next);

}  // namespace forwarding
