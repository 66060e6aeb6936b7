#include "chart/files/IIndexCorrectionCallback.h"
#include "chart/files/Trie.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::vector<int32_t> sorted(std::vector<int32_t> values) {
    std::sort(values.begin(), values.end());
    return values;
}

TEST(TrieTest, LargeSubtreeGivesOnlyExactMatches) {
    Trie trie;
    for (int i = 0; i < 50; i++)
        trie.insert("ED" + std::to_string(i), i);
    // 50 completions exceed the maximum and nothing is named exactly "ED".
    EXPECT_TRUE(trie.getMatching("ED", 10).empty());
    trie.insert("ED", 100);
    EXPECT_EQ(trie.getMatching("ED", 10), std::vector<int32_t>{100});
}

TEST(TrieTest, SmallSubtreeGivesAllCompletionsExactFirst) {
    Trie trie;
    for (int i = 0; i < 7; i++)
        trie.insert("KS" + std::to_string(i), i);
    trie.insert("KS", 42);
    trie.insert("KX", 99);
    std::vector<int32_t> matching = trie.getMatching("KS", 10);
    ASSERT_EQ(matching.size(), 8u);
    EXPECT_EQ(matching.front(), 42);
    EXPECT_EQ(sorted(matching), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 42}));
    // The boundary: a subtree of exactly `maximum` is still listed in full.
    EXPECT_EQ(trie.getMatching("KS", 8).size(), 8u);
    EXPECT_EQ(trie.getMatching("KS", 7), std::vector<int32_t>{42});
}

TEST(TrieTest, SameNameSeveralElementsAndSeveralNamesOneElement) {
    Trie trie;
    trie.insert("VANCOUVER", 1);
    trie.insert("VANCOUVER", 2);
    trie.insert("CYVR", 1);
    EXPECT_EQ(trie.getMatching("VANCOUVER", 10), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(trie.getElementCount(), 3u);
    EXPECT_TRUE(trie.isElement("CYVR"));
    EXPECT_FALSE(trie.isElement("CYV") || trie.isElement("CYVRS"));
    EXPECT_TRUE(trie.getMatching("CYX", 10).empty() && trie.getMatching("CYVRX", 10).empty());
    EXPECT_TRUE(Trie().getMatching("", 10).empty());
    trie.removeElement(1);
    EXPECT_EQ(trie.getMatching("VANCOUVER", 10), std::vector<int32_t>{2});
    EXPECT_FALSE(trie.isElement("CYVR"));
    EXPECT_TRUE(trie.getMatching("C", 10).empty());
    EXPECT_EQ(trie.getElementCount(), 1u);
}

TEST(TrieTest, CharactersAreComparedAsSignedAndKeptApart) {
    Trie trie;
    std::string accented = "Z\xC3\xBCrich";
    trie.insert(accented, 5);
    trie.insert("Zurich", 6);
    EXPECT_EQ(trie.getMatching("Z\xC3", 10), std::vector<int32_t>{5});
    EXPECT_EQ(trie.getMatching("Zu", 10), std::vector<int32_t>{6});
    EXPECT_EQ(sorted(trie.getMatching("Z", 10)), (std::vector<int32_t>{5, 6}));
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
    loaded.insert("OLD", 1);
    ASSERT_TRUE(loaded.Load(stream));
    EXPECT_FALSE(loaded.isElement("OLD"));
    EXPECT_EQ(loaded.getElementCount(), trie.getElementCount());
    for (const char* prefix : {"", "C", "V", "VAN", "VANCOUVER", "\xE9"})
        EXPECT_EQ(loaded.getMatching(prefix, 100), trie.getMatching(prefix, 100)) << prefix;
    std::stringstream again, original;
    loaded.save(again);
    trie.save(original);
    EXPECT_EQ(again.str(), original.str());
}

TEST(TrieTest, SavedLayoutIsPreOrderLittleEndian) {
    Trie trie;
    trie.insert("A", 258);
    std::stringstream stream;
    trie.save(stream);
    const std::string expected("\x01\x00\x00\x00"  // root: one child
                               "A"
                               "\x00\x00\x00\x00"  // "A": no children
                               "\x01\x00\x00\x00"  // subtree count
                               "\x01\x00\x00\x00"  // one identifier
                               "\x02\x01\x00\x00"  // 258
                               "\x01\x00\x00\x00"  // root subtree count
                               "\x00\x00\x00\x00",  // nothing ends at the root
                               29);
    EXPECT_EQ(stream.str(), expected);
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

TEST(TrieTest, IndexCorrectionKeepsCustomIdentifiers) {
    SubChartIndexCorrection correction(3);
    EXPECT_EQ(correction.OnIndexCorrect(5), 5 | (3 << 23));
    EXPECT_EQ(correction.OnIndexCorrect(-4), -4);
    // Only the low 23 bits of a stored index survive.
    EXPECT_EQ(correction.OnIndexCorrect(0x00800001), 1 | (3 << 23));
    EXPECT_EQ(makeChartElementIdentifier(1, 5), 8388613);
}

TEST(TrieTest, DamagedFileIsRejectedWithoutChanges) {
    Trie source;
    source.insert("CYVR", 1);
    std::stringstream stream;
    source.save(stream);
    std::vector<char> trailing(std::istreambuf_iterator<char>(stream), {});
    trailing.push_back('x');
    Trie target;
    target.insert("KSEA", 7);
    EXPECT_FALSE(target.mergeBuffer(trailing, nullptr));
    EXPECT_EQ(target.getMatching("", 10), std::vector<int32_t>{7});
    EXPECT_EQ(Trie::LoadTrie("/nonexistent/Names.dat"), nullptr);
}

}  // namespace
