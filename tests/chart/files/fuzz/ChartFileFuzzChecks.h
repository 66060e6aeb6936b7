#pragma once
// What the chart-file fuzz targets check, shared with the unit test that
// replays the kept inputs. Each check returns "" or what went wrong.
#include "chart/files/AreaLeafFiles.h"
#include "chart/files/ChartBackground.h"
#include "chart/files/Trie.h"
#include "chart/files/WorldWideAreaTree.h"

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

namespace chartfilefuzz {

// Any bytes as "Names.dat": either rejected whole, or merged into a tree
// that saves, loads and saves again to the same bytes.
inline std::string checkNames(const unsigned char* data, size_t size) {
    std::vector<char> content(data, data + size);
    Trie trie;
    trie.insert("KEEP", -1);
    if (!trie.mergeBuffer(content, nullptr))
        return trie.getElementCount() == 1 ? "" : "a rejected file changed the tree";
    std::stringstream first;
    trie.save(first);
    Trie reloaded;
    if (!reloaded.Load(first))
        return "a saved tree does not load";
    std::stringstream second;
    reloaded.save(second);
    if (second.str() != first.str())
        return "saving a reloaded tree gives other bytes";
    if (trie.getMatching("", UINT32_MAX).size() != trie.getElementCount())
        return "subtree count differs from the identifiers stored";
    return "";
}

inline const WorldWideAreaTree& fuzzTree() {
    static WorldWideAreaTree tree;
    return tree;
}

// The first two bytes give the length of the "AreaLeafes.dat" part; the rest
// is "AreaLeafesAcc.dat".
inline std::string checkLeafFiles(const unsigned char* data, size_t size) {
    if (size < 2)
        return "";
    size_t split = std::min<size_t>(size - 2, static_cast<size_t>(data[0] | (data[1] << 8)));
    std::vector<char> leafes(data + 2, data + 2 + split), acc(data + 2 + split, data + size);
    const WorldWideAreaTree& tree = fuzzTree();
    std::vector<AreaLeafRecord> records;
    bool truncated = false;
    if (!parseAreaLeafes(leafes, [&tree](uint32_t area) { return tree.getLeaf(static_cast<int>(area)) != nullptr; },
                         records, truncated))
        return records.empty() ? "" : "records from a file of another version";
    for (const AreaLeafRecord& record : records)
        if (!tree.getLeaf(static_cast<int>(record.area)))
            return "a record for an area that is not a leaf";
    std::vector<std::vector<char>> staticData;
    if (!parseAreaLeafesAcc(acc, records, staticData))
        return staticData.empty() ? "" : "static data kept from a rejected file";
    if (staticData.size() != records.size())
        return "static data for another number of records";
    for (size_t r = 0; r < records.size(); r++)
        if (staticData[r].size() != 3 * records[r].entries.size())
            return "static data out of step with the entries";
    return "";
}

// Any text as a ".bg" file.
inline std::string checkBackground(const unsigned char* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    BackgroundDescription description;
    std::string error;
    if (!parseBackgroundDescription(text, description, error))
        return error.empty() ? "rejected without a reason" : "";
    if (description.kind < 0 || description.kind >= IArea::BG_TYPE_COUNT)
        return "kind out of range";
    for (int area : description.areas)
        if (area < 0 || area > WorldWideAreaTree::LAST_AREA)
            return "area number out of range";
    ChartBackground backgrounds;
    backgrounds.addDescription(description);
    backgrounds.computeMipMapLevels(fuzzTree(), {});
    return "";
}

}  // namespace chartfilefuzz
