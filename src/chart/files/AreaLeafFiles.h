#pragma once
#include "base/RecordCodec.h"

#include <cstdint>
#include <functional>
#include <vector>

// The layouts of a sub-chart's leaf lists ("AreaLeafes.dat": version byte,
// then per record area number, count and element indices) and of their
// precomputed static data ("AreaLeafesAcc.dat": version word, then per record
// area number, count and 3 bytes per element). Little-endian throughout.
constexpr uint8_t AREA_LEAFES_VERSION = 1;
constexpr uint32_t AREA_LEAFES_ACC_VERSION = 2;

// One record of "AreaLeafes.dat": a leaf and the sub-chart's elements in it.
struct AreaLeafRecord {
    uint32_t area;
    std::vector<uint32_t> entries;

    template <class Visitor>
    void fields(Visitor& v) { v(area, entries); }
};

// One record of "AreaLeafesAcc.dat": the 3-byte static data of each entry
// of the leaf record of the same area, behind the number of entries.
struct AreaStaticDataRecord {
    uint32_t area;
    std::vector<char> staticData;

    template <class Visitor>
    void fields(Visitor& v) { v(area, record::counted<uint32_t, 3>(staticData)); }
};

// Reads "AreaLeafes.dat" content: false for another version. Records of
// areas that are not leaves are dropped; an area number above the last one
// ends the list; a record cut short ends it too and sets truncated.
bool parseAreaLeafes(const std::vector<char>& content, const std::function<bool(uint32_t area)>& isLeaf,
                     std::vector<AreaLeafRecord>& records, bool& truncated);
// Reads "AreaLeafesAcc.dat" content into 3 bytes per entry of each record.
// False (staticData empty) for another version or when the file does not
// match the records exactly: it is then stale and must be recomputed.
bool parseAreaLeafesAcc(const std::vector<char>& content, const std::vector<AreaLeafRecord>& records,
                        std::vector<std::vector<char>>& staticData);
