#pragma once
#include <cstdint>
#include <vector>

#include "sensors/RecordSample.h"

// The UAT uplink payloads received in one cycle, handed on undecoded.
class UATUplink_Data : public GrowingRecordSample {
public:
    std::vector<std::vector<unsigned char>> packages;

    void addPackage(std::vector<unsigned char>&& payload) { packages.push_back(std::move(payload)); }

    Type getType() const override { return UAT_UPLINK; }
    void* serialize(int* size) override;
    // Discards the previous packages. A count that cannot fit the record
    // reads nothing; a package running past the end discards all read so far.
    bool deserialize(const void* data, int size) override;
    void print() const override;
};

// Blocks of wide-band receiver data behind a header word.
class Wideband_Data : public GrowingRecordSample {
public:
    static constexpr size_t kMaxBlockLength = 0xFFFF;

    uint32_t header = 0;
    // Each block holds at most kMaxBlockLength bytes (its length is a u16).
    std::vector<std::vector<unsigned char>> blocks;

    Type getType() const override { return WIDEBAND_DATA; }
    // Blocks longer than kMaxBlockLength are cut to that length.
    void* serialize(int* size) override;
    // A truncated record leaves what was read before the damage and returns false.
    bool deserialize(const void* data, int size) override;
    void print() const override;
};
