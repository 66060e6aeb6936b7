#include "chart/files/ElementCache.h"

#include "ChartTestData.h"

#include <gtest/gtest.h>

namespace {

TEST(ElementCacheTest, LeastRecentlyUsedGoesFirst) {
    ElementCache cache(2);
    IChartElement* first = cache.insert(1, makeMark("A", 0, 0));
    cache.insert(2, makeMark("B", 0, 0));
    EXPECT_EQ(cache.get(1), first);  // 1 is now the most recent
    cache.insert(3, makeMark("C", 0, 0));
    EXPECT_EQ(cache.get(2), nullptr);
    EXPECT_EQ(cache.get(1), first);
    EXPECT_NE(cache.get(3), nullptr);
    EXPECT_EQ(cache.size(), 2u);
}

TEST(ElementCacheTest, ReplacingRemovingAndNothingToCache) {
    ElementCache cache(3);
    cache.insert(-1, makeMark("A", 0, 0));
    IChartElement* replacement = cache.insert(-1, makeMark("B", 0, 0));
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(cache.get(-1), replacement);
    EXPECT_EQ(cache.insert(5, nullptr), nullptr);
    EXPECT_EQ(cache.size(), 1u);
    cache.remove(-1);
    cache.remove(42);
    EXPECT_EQ(cache.get(-1), nullptr);
    cache.insert(7, makeMark("C", 0, 0));
    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
}

}  // namespace
