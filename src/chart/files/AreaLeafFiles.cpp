#include "chart/files/AreaLeafFiles.h"

#include "chart/files/ChartFileIO.h"
#include "chart/files/WorldWideAreaTree.h"

bool parseAreaLeafes(const std::vector<char>& content, const std::function<bool(uint32_t area)>& isLeaf,
                     std::vector<AreaLeafRecord>& records, bool& truncated) {
    truncated = false;
    ByteReader reader(content);
    uint8_t version = 0;
    if (!reader.readU8(version) || version != AREA_LEAFES_VERSION)
        return false;
    while (!reader.atEnd()) {
        uint32_t area = 0, count = 0;
        if (!reader.readU32(area)) {
            truncated = true;
            break;
        }
        if (area > static_cast<uint32_t>(WorldWideAreaTree::LAST_AREA))
            break;
        if (!reader.readU32(count) || count > reader.remaining() / 4) {
            truncated = true;
            break;
        }
        if (!isLeaf(area)) {
            const char* skipped = nullptr;
            reader.readBytes(4 * static_cast<size_t>(count), skipped);
            continue;
        }
        AreaLeafRecord record{area, std::vector<uint32_t>(count)};
        for (uint32_t& entry : record.entries)
            reader.readU32(entry);
        records.push_back(std::move(record));
    }
    return true;
}

bool parseAreaLeafesAcc(const std::vector<char>& content, const std::vector<AreaLeafRecord>& records,
                        std::vector<std::vector<char>>& staticData) {
    staticData.clear();
    ByteReader reader(content);
    uint32_t version = 0;
    if (!reader.readU32(version) || version != AREA_LEAFES_ACC_VERSION)
        return false;
    staticData.assign(records.size(), {});
    for (size_t r = 0; r < records.size(); r++) {
        uint32_t area = 0, count = 0;
        const char* bytes = nullptr;
        // Every leaf record must have its static data, in the same order and
        // of the same size; anything else means the file is stale.
        if (!reader.readU32(area) || area != records[r].area || !reader.readU32(count) ||
            count != records[r].entries.size() || !reader.readBytes(3 * static_cast<size_t>(count), bytes)) {
            staticData.clear();
            return false;
        }
        staticData[r].assign(bytes, bytes + 3 * static_cast<size_t>(count));
    }
    return true;
}
