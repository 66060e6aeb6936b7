#include "chart/files/ElementCache.h"

IChartElement* ElementCache::get(int32_t identifier) {
    auto found = index.find(identifier);
    if (found == index.end())
        return nullptr;
    if (found->second != entries.begin())
        entries.splice(entries.begin(), entries, found->second);
    return found->second->second.get();
}

IChartElement* ElementCache::insert(int32_t identifier, std::unique_ptr<IChartElement> element) {
    if (!element)
        return nullptr;
    remove(identifier);
    while (entries.size() >= capacity) {
        index.erase(entries.back().first);
        entries.pop_back();
    }
    entries.emplace_front(identifier, std::move(element));
    index[identifier] = entries.begin();
    return entries.front().second.get();
}

void ElementCache::remove(int32_t identifier) {
    auto found = index.find(identifier);
    if (found == index.end())
        return;
    entries.erase(found->second);
    index.erase(found);
}

void ElementCache::clear() {
    index.clear();
    entries.clear();
}
