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
    void* serialize(int* size) override { return buffer.write(GrowingRecordBuffer::DOUBLING, size, *this); }
    // Discards the previous packages. A count that cannot fit the record
    // reads nothing; a package running past the end discards all read so far.
    bool deserialize(const void* data, int size) override;
    void print() const override;

    // The package count (u32), then each package: its length (u32) and bytes.
    template <class Visitor>
    void fields(Visitor& v) { v(packages); }
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
    void* serialize(int* size) override { return buffer.write(GrowingRecordBuffer::DOUBLING, size, *this); }
    // A damaged record keeps the blocks read in full before the damage and
    // returns false.
    bool deserialize(const void* data, int size) override { return sampleReader(data, size)(*this).ok(); }
    void print() const override;

    // The header, the block count (u32), then each block: its length (u16) and bytes.
    template <class Visitor>
    void fields(Visitor& v) {
        v(header, record::counted<uint32_t>(blocks, [](auto& w, std::vector<unsigned char>& block) {
              w(record::counted<uint16_t>(block));
          }));
    }
};
