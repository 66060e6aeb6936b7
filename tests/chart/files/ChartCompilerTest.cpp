#include "ChartCompiler.h"

#include "ChartTestData.h"
#include "base/Units.h"
#include "base/DataLocationsFile.h"
#include "chart/elements/AirwayElement.h"
#include "chart/elements/AirspaceElement.h"
#include "chart/elements/GroundGeometryElement.h"
#include "base/FileUtils.h"
#include "chart/files/ChartFileIO.h"
#include "chart/files/ExtendedChart.h"
#include "geo/Geodesy.h"
#include "chart/elements/VORElement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

namespace {

const std::string DEMO_DATA = std::string(CIRRONA_SOURCE_DIR) + "/data/navdata/salish-sea/";

std::vector<std::string> demoInputs() {
    std::vector<std::string> inputs;
    for (const char* name : {"apt.dat", "nav.dat", "fix.dat", "awy.dat", "poi.dat", "salish-sea.openair"})
        inputs.push_back(DEMO_DATA + name);
    inputs.push_back(std::string(CIRRONA_SOURCE_DIR) + "/data/coastlines/salish-sea-gshhg-h.geojson");
    return inputs;
}

// The demo extract compiled once for all tests of this file, as the build
// installs it: into a home that keeps its data inside itself.
class CompiledDemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root = new TempDir();
        std::string error;
        if (!createSelfContainedLocations(root->path()) || !findChartStoragePath(root->path(), &storagePath, &error))
            storagePath = "/nonexistent/";
        ChartCompilerOptions options;
        options.vendor = "OpenNavData";
        options.outFolder = storagePath + "ChartData";
        options.inputs = demoInputs();
        options.quiet = true;
        std::ostringstream messages;
        ChartCompiler compiler(options, messages);
        exitStatus = compiler.run();
        compilerMessages = messages.str();
        elementCount = compiler.getElementCount();
        chart = new ExtendedChart(root->path(), 100000, 80, nullptr, storagePath);
        chart->loadData();
    }
    static void TearDownTestSuite() {
        delete chart;
        delete root;
    }
    template <typename Element>
    Element* find(const std::string& text, IChartElement::Type type) {
        for (int32_t identifier : chart->getMatchingChartElements(text, 50)) {
            IChartElement* element = chart->getChartElement(identifier);
            if (element && element->getType() == type)
                return dynamic_cast<Element*>(element);
        }
        return nullptr;
    }
    // The nearest element of the kind within radiusNm of position that matches.
    template <typename Element, typename Predicate>
    Element* findNear(const ChartPosition& position, double radiusNm, Predicate matches) {
        for (int32_t identifier : chart->findChartElementsInVicinity(position, radiusNm, false, true)) {
            auto* element = dynamic_cast<Element*>(chart->getChartElement(identifier));
            if (element && matches(*element))
                return element;
        }
        return nullptr;
    }
    static inline TempDir* root = nullptr;
    static inline ExtendedChart* chart = nullptr;
    static inline int exitStatus = -1;
    static inline std::string compilerMessages, storagePath;
    static inline size_t elementCount = 0;
};

TEST_F(CompiledDemoTest, CompilesEveryInputIntoLoadableSubCharts) {
    ASSERT_EQ(exitStatus, 0) << compilerMessages;
    EXPECT_EQ(storagePath, root->path() + ".Cirrona/");
    EXPECT_GT(elementCount, 1500u);
    EXPECT_EQ(chart->getStaticElementCount(), elementCount);
    EXPECT_EQ(chart->getName(), "OpenNavData");
}

// The parsers' reading of these records is checked on the same data in
// SalishSeaDataTest; here they must survive compiling, storing and loading.
TEST_F(CompiledDemoTest, AirportsAndNavaidsAreFoundByNameAndNearTheirPositions) {
    auto* byIdent = find<AirportElement>("CYVR", IChartElement::AIRPORT);
    auto* byName = find<AirportElement>("Vancouver", IChartElement::AIRPORT);
    ASSERT_TRUE(byIdent && byName);
    EXPECT_EQ(byName->ident, "CYVR");
    EXPECT_EQ(byIdent->runways.size(), 5u);
    const std::vector<std::wstring> com = byIdent->getComFrequencies();
    EXPECT_NE(std::find(com.begin(), com.end(), L"VANCOUVER TWR 118.700"), com.end());
    auto* vor = findNear<VORElement>(ChartPosition(-123.14908333, 49.07733333), 1.0,
                                     [](const VORElement& element) { return element.ident == "YVR"; });
    ASSERT_NE(vor, nullptr);
    EXPECT_EQ(vor->getNavFrequencies().at(0), L"YVR 115.900");
}

TEST_F(CompiledDemoTest, SharedAirwaySegmentIsFoundByEachAirwaysName) {
    // ARPEE - CARRO is flown as V165 and as V287.
    for (const char* name : {"V165-V287", "V165", "V287"}) {
        SCOPED_TRACE(name);
        bool found = false;
        for (int32_t identifier : chart->getMatchingChartElements(name, 50)) {
            auto* airway = dynamic_cast<AirwayElement*>(chart->getChartElement(identifier));
            found |= airway && airway->remarks == "ARPEE - CARRO";
        }
        EXPECT_TRUE(found);
    }
}

TEST_F(CompiledDemoTest, AirspaceWithAnArcIsAClosedPolygonInItsBounds) {
    auto* terminal = findNear<AirspaceElement>(ChartPosition(-123.15, 49.1), 30, [](const AirspaceElement& element) {
        return element.name.find("VANCOUVER TERMINAL") != std::string::npos;
    });
    ASSERT_NE(terminal, nullptr);
    ASSERT_GT(terminal->points.size(), 10u);
    const ChartPosition centre(-123.14972, 49.07361);  // the arc keeps its 25 NM radius about the VOR
    size_t onArc = 0;
    for (const ChartPosition& point : terminal->points) {
        EXPECT_TRUE(point.latitude >= 48.83 && point.latitude <= 49.50) << point.latitude;
        EXPECT_TRUE(point.longitude >= -123.67 && point.longitude <= -122.50) << point.longitude;
        onArc += std::fabs(calcDistance2(centre, point) - 25 * units::kMetresPerNauticalMile) < 200;
    }
    EXPECT_GT(onArc, 5u);
}

TEST_F(CompiledDemoTest, CoastsLakesRiversAndTheBorderAreInTheChart) {
    std::set<std::string> found;
    for (int32_t identifier : chart->findChartElementsInVicinity(ChartPosition(-123.75, 49.0), 200, false, false)) {
        auto* ground = dynamic_cast<GroundGeometryElement*>(chart->getChartElement(identifier));
        if (ground && ground->kind >= GroundGeometryElement::WATER)
            found.insert(ground->description);
    }
    for (const char* what : {"coastline", "lake shore", "national border", "river (level 2)", "river (level 4)"})
        EXPECT_EQ(found.count(what), 1u) << what;
}

// Compiles the one input file for vendor "Test" into the root's chart data.
ChartCompilerOptions optionsForOneInput(const TempDir& root, const std::string& input) {
    ChartCompilerOptions options;
    options.vendor = "Test";
    options.outFolder = chartData(root);
    options.inputs = {input};
    options.quiet = true;
    return options;
}

TEST(ChartCompilerTest, MalformedLinesAreReportedAndSkipped) {
    TempDir root;
    const std::string input = root.path() + "bad-fix.dat";
    std::ofstream(input) << "I\n600 Version - data cycle 2013.10\n"
                            " 49.000000 -123.000000 GOOD1\n"
                            " not-a-latitude -123.0 BAD\n"
                            " 49.100000 -123.100000 GOOD2\n"
                            "99\n";
    std::ostringstream messages;
    ChartCompiler compiler(optionsForOneInput(root, input), messages);
    ASSERT_EQ(compiler.run(), 0) << messages.str();
    EXPECT_EQ(compiler.getMalformedLineCount(), 1u);
    EXPECT_EQ(compiler.getElementCount(), 2u);
}

TEST(ChartCompilerTest, RecompilingReplacesOnlyTheVendorsSubCharts) {
    TempDir root;
    SubChartWriter other("Other", "Elsewhere");
    other.addElement(makeMark("KEEP", 1, 1));
    writeSubChart(other, chartData(root), "other");
    std::string input = root.path() + "fix.dat";
    std::ofstream(input) << "I\n600 Version\n 49.0 -123.0 FIRST\n 10.0 10.0 SECOND\n99\n";
    const ChartCompilerOptions options = optionsForOneInput(root, input);
    std::ostringstream messages;
    ASSERT_EQ(ChartCompiler(options, messages).run(), 0) << messages.str();
    EXPECT_EQ(listFilesWithExtension(chartData(root), ".sci").size(), 3u);
    // Same vendor again with one region less: the stale sub-chart goes.
    std::ofstream(input) << "I\n600 Version\n 49.0 -123.0 FIRST\n99\n";
    ASSERT_EQ(ChartCompiler(options, messages).run(), 0) << messages.str();
    EXPECT_EQ(listFilesWithExtension(chartData(root), ".sci").size(), 2u);
    ExtendedChart chart(root.path());
    chart.loadData();
    EXPECT_EQ(chart.getVendorCount(), 2);
}

}  // namespace
