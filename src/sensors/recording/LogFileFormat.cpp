#include "sensors/recording/LogFileFormat.h"

#include <algorithm>

#include "base/RecordCodec.h"

namespace logfile {

std::string headerBytes(uint32_t indexOffset) {
    uint32_t types[ISensorData::TYPE_COUNT];
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) types[t] = uint32_t(t);
    return recordBytes(kVersion, indexOffset, uint32_t(ISensorData::TYPE_COUNT), types);
}

void Index::add(const RecordHeader& record, uint32_t offset) {
    if (recordCount == 0) firstStamp = record.timeStamp;
    lastStamp = std::max(lastStamp, record.timeStamp);
    ++recordCount;
    if (record.type < uint32_t(ISensorData::TYPE_COUNT)) ++typeCounts[record.type];
    if (entries.empty() || record.timeStamp >= entries.back().timeStamp + kIndexStepMs)
        entries.push_back({record.timeStamp, offset});
}

std::string Index::toBytes() const {
    std::string bytes =
        recordBytes(kIndexMagic, recordCount, firstStamp, lastStamp, typeCounts, uint32_t(entries.size()));
    for (const Entry& e : entries) bytes += recordBytes(e.timeStamp, e.offset);
    return bytes;
}

bool Index::fromBytes(const std::string& bytes) {
    RecordReader reader(bytes.data(), bytes.size());
    uint32_t magic = 0;
    uint32_t count = 0;
    Index read;
    reader(magic, read.recordCount, read.firstStamp, read.lastStamp, read.typeCounts, count);
    if (!reader.ok() || magic != kIndexMagic || reader.remaining() / 8 < count) return false;
    read.entries.resize(count);
    for (Entry& e : read.entries) reader(e.timeStamp, e.offset);
    if (!reader.ok()) return false;
    *this = std::move(read);
    return true;
}

uint32_t Index::offsetAtOrBefore(uint32_t timeStamp) const {
    if (entries.empty()) return 0;
    auto after = std::upper_bound(entries.begin(), entries.end(), timeStamp,
                                  [](uint32_t t, const Entry& e) { return t < e.timeStamp; });
    return after == entries.begin() ? entries.front().offset : std::prev(after)->offset;
}

}  // namespace logfile
