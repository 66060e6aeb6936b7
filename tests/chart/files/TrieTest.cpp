#include "chart/files/IIndexCorrectionCallback.h"
#include "chart/files/Trie.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

#include <sstream>
#include <string>

namespace {

TEST(TrieTest, SameNameSeveralElementsAndSeveralNamesOneElement) {
    Trie trie;
    trie.insert("VANCOUVER", 1);
    trie.insert("VANCOUVER", 2);
    trie.insert("CYVR", 1);
    EXPECT_EQ(trie.getMatching("VANCOUVER", 10), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(trie.getElementCount(), 3u);
    EXPECT_TRUE(trie.isElement("CYVR"));
    EXPECT_FALSE(trie.isElement("CYV") || trie.isElement("CYVRS"));
    trie.removeElement(1);
    EXPECT_EQ(trie.getMatching("VANCOUVER", 10), std::vector<int32_t>{2});
    EXPECT_FALSE(trie.isElement("CYVR"));
    EXPECT_EQ(trie.getElementCount(), 1u);
}

TEST(TrieTest, SaveAndLoadRoundTrip) {
    Trie trie;
    trie.insert("CYVR", 3);
    trie.insert("VANCOUVER", 3);
    trie.insert("VANCOUVER", 7);
    trie.insert("V", -2);
    trie.insert("\xE9t\xE9", 9);
    std::stringstream stream;
    ASSERT_TRUE(trie.save(stream));
    Trie loaded;
    ASSERT_TRUE(loaded.Load(stream));
    EXPECT_EQ(loaded.getElementCount(), trie.getElementCount());
    for (const char* prefix : {"", "C", "V", "VAN", "VANCOUVER", "\xE9"})
        EXPECT_EQ(loaded.getMatching(prefix, 100), trie.getMatching(prefix, 100)) << prefix;
}

TEST(TrieTest, MergeOfTwoSubChartsSharingANameKeepsBoth) {
    Trie first, second;
    first.insert("CYVR", 5);
    first.insert("VANCOUVER", 5);
    second.insert("VANCOUVER", 5);
    second.insert("KSEA", 9);
    TempDir dir;
    const std::string firstPath = dir / "first.dat", secondPath = dir / "second.dat";
    ASSERT_TRUE(Trie::SaveTrie(first, firstPath));
    ASSERT_TRUE(Trie::SaveTrie(second, secondPath));
    Trie merged;
    merged.insert("MYFIELD", -1);
    SubChartIndexCorrection subChart0(0), subChart1(1);
    ASSERT_TRUE(merged.mergeLoad(firstPath, &subChart0));
    ASSERT_TRUE(merged.mergeLoad(secondPath, &subChart1));
    EXPECT_EQ(merged.getMatching("VANCOUVER", 10), (std::vector<int32_t>{5, 5 | (1 << 23)}));
    EXPECT_EQ(merged.getMatching("KSEA", 10), std::vector<int32_t>{9 | (1 << 23)});
    EXPECT_EQ(merged.getMatching("MYFIELD", 10), std::vector<int32_t>{-1});
    EXPECT_EQ(merged.getElementCount(), 5u);
    // Subtree counts were recomputed along the merged paths.
    EXPECT_EQ(merged.getMatching("V", 1), std::vector<int32_t>{});
    EXPECT_EQ(merged.getMatching("V", 2).size(), 2u);
}

}  // namespace
