#include "chart/files/ExtendedChart.h"

#include "ChartTestData.h"
#include "chart/files/ElementCache.h"
#include "base/IniFile.h"
#include "chart/files/ChartFileIO.h"
#include "geo/Geodesy.h"
#include "chart/elements/StaticData.h"
#include "base/Units.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

std::string markName(IChartElement* element) {
    auto* mark = dynamic_cast<MarkElement*>(element);
    return mark ? mark->name : std::string("<none>");
}

// Two sub-charts of one vendor: "a" with marks M0..M9 around 10E 45N, "b"
// with marks N0..N9 around 20E 50N plus an airport.
class TwoSubChartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SubChartWriter first("Open", "Region A");
        for (int i = 0; i < 10; i++)
            first.addElement(makeMark("M" + std::to_string(i), 10.0 + 0.01 * i, 45.0));
        first.addElement(makeAirport("CYVR", "Vancouver Intl", 10.3, 45.1));
        writeSubChart(first, chartData(root), "a");
        SubChartWriter second("Open", "Region B");
        for (int i = 0; i < 10; i++)
            second.addElement(makeMark("N" + std::to_string(i), 20.0 + 0.01 * i, 50.0));
        second.addElement(makeAirport("CYYJ", "Victoria Intl", 20.3, 50.1));
        writeSubChart(second, chartData(root), "b");
    }
    std::unique_ptr<ExtendedChart> load() {
        auto chart = std::make_unique<ExtendedChart>(root.path(), 100);
        chart->loadData();
        return chart;
    }
    TempDir root;
};

TEST_F(TwoSubChartsTest, IdentifiersAddressSubChartAndIndex) {
    auto chart = load();
    ASSERT_EQ(chart->getSubChartCount(), 2);
    EXPECT_EQ(chart->getStaticElementCount(), 22u);
    EXPECT_EQ(markName(chart->getChartElement(5)), "M5");
    EXPECT_EQ(markName(chart->getChartElement(8388613)), "N5");
    EXPECT_EQ(chart->getChartElement((1 << 23) + 10)->getType(), IChartElement::AIRPORT);
    for (int32_t missing : {(1 << 23) + 11, 2 << 23, -1}) EXPECT_EQ(chart->getChartElement(missing), nullptr) << missing;
    EXPECT_EQ(chart->getSubChart(1)->getAreaName(), "Region B");
    EXPECT_EQ(chart->getName(), "Open");
}

TEST_F(TwoSubChartsTest, StaleOrDirtyStaticDataAreRecomputedAndRewritten) {
    const std::string accPath = chartData(root) + "b/AreaLeafesAcc.dat";
    const std::string original = readWholeFile(accPath);
    std::string spoiled = original;  // same size and header: only the dirty flag tells
    for (size_t i = 4 + 8; i < spoiled.size(); i++)
        spoiled[i] = '\x3F';
    const std::pair<std::string, bool> cases[] = {
        {std::string("\x01\x00\x00\x00", 4) + original.substr(4), false},  // another version
        {spoiled, true},
    };
    for (const auto& [content, isDirty] : cases) {
        writeWholeFile(accPath, content);
        IniFile dirty;
        dirty.set("", "dirty", isDirty ? "1" : "0");
        ASSERT_TRUE(dirty.save(accPath + ".dirty"));
        auto chart = load();
        EXPECT_EQ(readWholeFile(accPath), original);
        EXPECT_EQ(IniFile(accPath + ".dirty").get("", "dirty"), "0");
        const AreaLeaf* leaf = chart->getAreaTree().getLeaf(chart->getAreaTree().getLeafAt(ChartPosition(20.05, 50.0)));
        ASSERT_EQ(leaf->staticData.size(), 3 * leaf->elements.size());
        EXPECT_EQ(getStaticType(leaf->getStaticData(0)), IChartElement::MARK);
    }
}

TEST_F(TwoSubChartsTest, CorruptFilesAreSkippedNotFatal) {
    // Elements.dat cut in the middle, a leaf file cut inside a record, a garbage search index.
    const std::string elementsPath = chartData(root) + "a/Elements.dat", leafPath = chartData(root) + "b/AreaLeafes.dat";
    writeWholeFile(elementsPath, readWholeFile(elementsPath).substr(0, readWholeFile(elementsPath).size() / 2));
    writeWholeFile(leafPath, readWholeFile(leafPath).substr(0, 15));
    writeWholeFile(chartData(root) + "b/Names.dat", "garbage");
    auto chart = load();
    EXPECT_EQ(markName(chart->getChartElement(0)), "M0");
    EXPECT_EQ(chart->getChartElement(10), nullptr);
    EXPECT_TRUE(chart->getMatchingChartElements("CYYJ", 10).empty());
    EXPECT_EQ(chart->getMatchingChartElements("CYVR", 10), std::vector<int32_t>{10});
}

TEST_F(TwoSubChartsTest, OldDataFormatAsksForAnUpdate) {
    std::string offsetsPath = chartData(root) + "b/ElementOffsets.dat";
    std::string offsets = readWholeFile(offsetsPath);
    offsets[0] = '\x01';
    writeWholeFile(offsetsPath, offsets);
    std::vector<std::string> messages;
    ExtendedChart chart(root.path(), 100);
    chart.setMessageCallback([&](const std::string& message) { messages.push_back(message); });
    chart.loadData();
    EXPECT_EQ(messages, std::vector<std::string>{"Error: Chart data and/or Cirrona Update required."});
    EXPECT_TRUE(chart.getSubChart(1)->needsDataUpdate());
    EXPECT_EQ(chart.getChartElement(8388613), nullptr);
}

// Offsets that go backwards mean the data is corrupt beyond repair: the
// program stops (exit 1) rather than show a pilot wrong elements.
TEST_F(TwoSubChartsTest, DecreasingOffsetsEndTheProgram) {
    std::string offsetsPath = chartData(root) + "a/ElementOffsets.dat";
    std::string offsets = readWholeFile(offsetsPath);
    offsets[8 + 2 * 4] = offsets[8 + 2 * 4 + 1] = 0;  // the third offset below the second
    writeWholeFile(offsetsPath, offsets);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(1), "Monotony in offsets broken! Bad data!");
}

TEST_F(TwoSubChartsTest, VendorsAreChosenByDataIni) {
    SubChartWriter other("Other", "Elsewhere");
    other.addElement(makeMark("OTHER", 30, 30));
    writeSubChart(other, chartData(root), "c");
    auto chart = load();
    ASSERT_EQ(chart->getVendorCount(), 2);
    EXPECT_EQ(chart->getVendorName(chart->getCurrentVendor()), "Open");
    int otherIndex = chart->getVendorName(0) == "Other" ? 0 : 1;
    ASSERT_TRUE(chart->setCurrentVendor(otherIndex));
    EXPECT_EQ(markName(chart->getChartElement(0)), "OTHER");
    EXPECT_EQ(chart->getMatchingChartElements("OTHER", 10), std::vector<int32_t>{0});
    EXPECT_EQ(IniFile(root.path() + "data/data.ini").get("", "Vendor"), "Other");
    // The next start keeps the choice.
    EXPECT_EQ(load()->getName(), "Other");
}

TEST_F(TwoSubChartsTest, CustomElementsJoinAndLeaveTreeAndSearch) {
    auto chart = load();
    auto first = makeMark("MYFIELD", 15.2, 47.2);
    auto second = makeMark("MYHILL", 15.7, 47.2);
    ASSERT_EQ(chart->addCustomChartElement(first.get()), 1);
    ASSERT_EQ(chart->addCustomChartElement(second.get()), 2);
    const WorldWideAreaTree& tree = chart->getAreaTree();
    auto leafOf = [&](double lon, double lat) { return tree.getLeaf(tree.getLeafAt(ChartPosition(lon, lat))); };
    EXPECT_EQ(leafOf(15.2, 47.2)->elements, std::vector<int32_t>{-1});
    EXPECT_EQ(markName(chart->getChartElement(-2)), "MYHILL");
    // A fresh load finds them again.
    auto reloaded = load();
    EXPECT_EQ(reloaded->getCustomElementCount(), 2);
    EXPECT_EQ(reloaded->getMatchingChartElements("MYFIELD", 10), std::vector<int32_t>{-1});
    // Deleting the first moves the last into its number.
    ASSERT_TRUE(chart->deleteCustomChartElement(1));
    EXPECT_TRUE(leafOf(15.2, 47.2)->elements.empty());
    EXPECT_TRUE(chart->getMatchingChartElements("MYFIELD", 10).empty());
    EXPECT_EQ(chart->getMatchingChartElements("MYHILL", 10), std::vector<int32_t>{-1});
    EXPECT_EQ(leafOf(15.7, 47.2)->elements, std::vector<int32_t>{-1});
    ASSERT_TRUE(chart->deleteCustomChartElement(1));
    EXPECT_EQ(load()->getCustomElementCount(), 0);
}

TEST_F(TwoSubChartsTest, VicinityFindsAirportsAndSkipsPrivateHeliports) {
    SubChartWriter heliports("Open", "Heliports");
    heliports.addElement(makeAirport("HELI", "Private Pad", 10.31, 45.1, true, true));
    heliports.addElement(makeAirport("PUBH", "Public Pad", 10.32, 45.1, true, false));
    writeSubChart(heliports, chartData(root), "c");
    auto chart = load();
    std::vector<int32_t> airports = chart->findChartElementsInVicinity(ChartPosition(10.3, 45.1), 5, true, true);
    EXPECT_EQ(airports, (std::vector<int32_t>{10, (2 << 23) + 1}));
    std::vector<int32_t> everything = chart->findChartElementsInVicinity(ChartPosition(10.3, 45.1), 15, false, true);
    EXPECT_EQ(everything.front(), 10);
    EXPECT_EQ(std::set<int32_t>(everything.begin(), everything.end()).size(), 13u);
}

TEST_F(TwoSubChartsTest, CorridorListsElementsBesideTheLeg) {
    auto chart = load();
    // West to east along 45N through the marks M0..M9 (0.01 degree apart).
    auto corridor = chart->findChartElementsInCartesianCorridor(ChartPosition(10.025, 45.0),
                                                                ChartPosition(10.065, 45.0), 100, nullptr);
    std::vector<int32_t> identifiers;
    for (const auto& entry : corridor) identifiers.push_back(entry.identifier);
    EXPECT_EQ(identifiers, (std::vector<int32_t>{3, 4, 5, 6}));
    // The airport lies 0.1 degree (11 km) north of the leg: right side of a westbound leg.
    auto wide = chart->findChartElementsInCartesianCorridor(ChartPosition(10.5, 45.0), ChartPosition(10.0, 45.0),
                                                            12000, [](const char* staticData) {
                                                                return getStaticType(staticData) == IChartElement::AIRPORT;
                                                            });
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(wide[0].identifier, 10);
    EXPECT_GT(wide[0].crossTrack, 10000);
}

TEST(ExtendedChartVicinityTest, AgreesWithABruteForceScan) {
    TempDir root;
    std::mt19937 random(5);
    std::uniform_real_distribution<double> longitude(-3.0, 3.0), latitude(58.0, 62.0);
    SubChartWriter writer("Open", "Random");
    std::vector<ChartPosition> positions;
    for (int i = 0; i < 3000; i++) {
        positions.emplace_back(longitude(random), latitude(random));
        writer.addElement(makeMark("R" + std::to_string(i), positions.back().longitude, positions.back().latitude));
    }
    writeSubChart(writer, chartData(root), "random");
    ExtendedChart chart(root.path(), 100000);
    chart.loadData();
    std::uniform_real_distribution<double> radius(0.5, 60.0);
    for (int query = 0; query < 40; query++) {
        ChartPosition centre(longitude(random), latitude(random));
        double radiusNm = radius(random);
        std::set<int32_t> expected;
        for (size_t i = 0; i < positions.size(); i++)
            if (calcDistance2(centre, positions[i]) <= radiusNm * units::kMetresPerNauticalMile)
                expected.insert(static_cast<int32_t>(i));
        std::vector<int32_t> found = chart.findChartElementsInVicinity(centre, radiusNm, false, true);
        EXPECT_EQ(std::set<int32_t>(found.begin(), found.end()), expected) << query;
        for (size_t i = 1; i < found.size(); i++)
            EXPECT_LE(calcDistance2(centre, positions[static_cast<size_t>(found[i - 1])]),
                      calcDistance2(centre, positions[static_cast<size_t>(found[i])]));
    }
}

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

TEST(ExtendedChartTest, EmptyDataRootGivesAnEmptyChart) {
    TempDir root;
    ExtendedChart chart(root.path());
    chart.loadData();
    EXPECT_TRUE(chart.getVendorCount() == 0 && chart.getSubChartCount() == 0 && !chart.getChartElement(0));
    EXPECT_TRUE(chart.findChartElementsInVicinity(ChartPosition(0, 0), 10, false, false).empty());
}

}  // namespace
