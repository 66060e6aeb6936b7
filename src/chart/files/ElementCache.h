#pragma once
#include "chart/elements/IChartElement.h"

#include <cstdint>
#include <list>
#include <memory>
#include <unordered_map>
#include <utility>

// Identifier -> element, least recently used out first. The cache owns the
// elements; pointers it hands out stay valid until the element is pushed out
// (callers use them within one frame).
class ElementCache {
public:
    explicit ElementCache(size_t capacity) : capacity(capacity == 0 ? 1 : capacity) {}

    // The cached element (and marks it as just used), or null.
    IChartElement* get(int32_t identifier);
    // Takes the element in, pushing out the least recently used one when
    // full; replaces an element cached under the same identifier.
    IChartElement* insert(int32_t identifier, std::unique_ptr<IChartElement> element);
    void remove(int32_t identifier);
    void clear();

    size_t size() const { return entries.size(); }
    size_t getCapacity() const { return capacity; }

private:
    using Entry = std::pair<int32_t, std::unique_ptr<IChartElement>>;
    size_t capacity;
    std::list<Entry> entries;  // front: most recently used
    std::unordered_map<int32_t, std::list<Entry>::iterator> index;
};
