#include "chart/files/AreaLeafFiles.h"

#include "chart/files/WorldWideAreaTree.h"

bool parseAreaLeafes(const std::vector<char>& content, const std::function<bool(uint32_t area)>& isLeaf,
                     std::vector<AreaLeafRecord>& records, bool& truncated) {
    truncated = false;
    RecordReader reader(content.data(), content.size());
    uint8_t version = 0;
    if (!reader(version).ok() || version != AREA_LEAFES_VERSION)
        return false;
    while (reader.remaining() > 0) {
        uint32_t area = 0;
        if (reader.peek(area) && area > static_cast<uint32_t>(WorldWideAreaTree::LAST_AREA))
            break;
        AreaLeafRecord record;
        if (!reader(record).ok()) {
            truncated = true;
            break;
        }
        if (isLeaf(record.area))
            records.push_back(std::move(record));
    }
    return true;
}

bool parseAreaLeafesAcc(const std::vector<char>& content, const std::vector<AreaLeafRecord>& records,
                        std::vector<std::vector<char>>& staticData) {
    staticData.clear();
    RecordReader reader(content.data(), content.size());
    uint32_t version = 0;
    if (!reader(version).ok() || version != AREA_LEAFES_ACC_VERSION)
        return false;
    staticData.assign(records.size(), {});
    for (size_t r = 0; r < records.size(); r++) {
        // Every leaf record must have its static data, in the same order and
        // of the same size; anything else means the file is stale.
        AreaStaticDataRecord record;
        if (!reader(record).ok() || record.area != records[r].area ||
            record.staticData.size() != 3 * records[r].entries.size()) {
            staticData.clear();
            return false;
        }
        staticData[r] = std::move(record.staticData);
    }
    return true;
}
