#include "ground/LineJoining.h"

#include <cmath>
#include <map>
#include <utility>

namespace {

// Points on a micro-degree grid: the same bin-edge point computed from two
// neighbouring bins may differ in its last bits, and a checked extract
// keeps six decimals.
using PointKey = std::pair<long long, long long>;

PointKey keyOf(const ChartPosition& p) { return {std::llround(p.longitude * 1e6), std::llround(p.latitude * 1e6)}; }

}  // namespace

bool isClosedRing(const std::vector<ChartPosition>& line) {
    return line.size() >= 4 && keyOf(line.front()) == keyOf(line.back());
}

std::vector<std::vector<ChartPosition>> joinLines(std::vector<std::vector<ChartPosition>> lines) {
    std::multimap<PointKey, size_t> byStart, byEnd;
    for (size_t i = 0; i < lines.size(); i++) {
        if (lines[i].size() < 2 || isClosedRing(lines[i])) continue;
        byStart.emplace(keyOf(lines[i].front()), i);
        byEnd.emplace(keyOf(lines[i].back()), i);
    }
    std::vector<bool> used(lines.size(), false);
    // The first unused line of the map at key, taken out of use.
    auto take = [&](const std::multimap<PointKey, size_t>& map, const PointKey& key) -> long {
        auto range = map.equal_range(key);
        for (auto it = range.first; it != range.second; ++it)
            if (!used[it->second]) {
                used[it->second] = true;
                return static_cast<long>(it->second);
            }
        return -1;
    };
    std::vector<std::vector<ChartPosition>> joined;
    for (size_t i = 0; i < lines.size(); i++) {
        if (used[i]) continue;
        used[i] = true;
        std::vector<ChartPosition> line = std::move(lines[i]);
        for (long next; !isClosedRing(line) && (next = take(byStart, keyOf(line.back()))) >= 0;)
            line.insert(line.end(), lines[next].begin() + 1, lines[next].end());
        for (long previous; !isClosedRing(line) && (previous = take(byEnd, keyOf(line.front()))) >= 0;)
            line.insert(line.begin(), lines[previous].begin(), lines[previous].end() - 1);
        joined.push_back(std::move(line));
    }
    return joined;
}
