#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sensors/ISensorData.h"

// A flight recording on disk (".dat", little-endian):
//   header   version (u32, 1), index offset (u32, 0 until the index is
//            written), type count (u32, 23), the type numbers 0..22 (u32 each)
//   records  time stamp (u32, ms), type (u32), length (u32), the sample's record
//   index    written when the recording stops, at the header's index offset
//
// The index is ours: "LIDX", the record count, the first and last time stamp,
// the number of records of every type, then one (time stamp, file offset)
// entry for the first record of every second of the recording. A seek reads
// the entry at or before the wanted time and scans at most a second of
// records from there.
namespace logfile {

constexpr uint32_t kVersion = 1;
constexpr uint32_t kHeaderSize = 12 + 4 * ISensorData::TYPE_COUNT;  // 104
constexpr uint32_t kIndexOffsetPosition = 4;
constexpr uint32_t kRecordHeaderSize = 12;
constexpr uint32_t kIndexMagic = 0x5844494c;  // "LIDX"
constexpr uint32_t kIndexStepMs = 1000;
// No sample record comes close; a larger length means a damaged file.
constexpr uint32_t kMaxRecordLength = 16u << 20;
constexpr const char* kExtension = ".dat";

std::string headerBytes(uint32_t indexOffset);

struct RecordHeader {
    uint32_t timeStamp = 0;
    uint32_t type = 0;
    uint32_t length = 0;
};

// What a recording holds, found from its index or by reading every record.
class Index {
public:
    struct Entry {
        uint32_t timeStamp;
        uint32_t offset;
    };

    // Called for every record in file order.
    void add(const RecordHeader& record, uint32_t offset);

    std::string toBytes() const;
    // False when the bytes are not a complete index.
    bool fromBytes(const std::string& bytes);

    uint32_t getRecordCount() const { return recordCount; }
    uint32_t getFirstTimeStamp() const { return firstStamp; }
    uint32_t getLastTimeStamp() const { return lastStamp; }
    uint32_t getDurationMs() const { return lastStamp - firstStamp; }
    uint32_t getTypeCount(int type) const { return typeCounts[type]; }
    const std::vector<Entry>& getEntries() const { return entries; }
    // The offset of the last entry at or before the time stamp (the first
    // entry's when the time is before it); 0 without entries.
    uint32_t offsetAtOrBefore(uint32_t timeStamp) const;

private:
    uint32_t recordCount = 0;
    uint32_t firstStamp = 0;
    uint32_t lastStamp = 0;
    uint32_t typeCounts[ISensorData::TYPE_COUNT] = {};
    std::vector<Entry> entries;
};

}  // namespace logfile
