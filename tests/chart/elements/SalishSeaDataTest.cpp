// The parsers on the real Salish Sea extract of the open nav data that the
// repository carries (data/navdata/salish-sea, licence note beside it).
#include "chart/elements/AirportElement.h"
#include "geo/Angles.h"
#include "geo/Geodesy.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"
#include "parsers/AptDatParser.h"
#include "parsers/AwyDatParser.h"
#include "parsers/FixDatParser.h"
#include "parsers/NavDatParser.h"
#include "parsers/PoiDatParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

const std::string SALISH_SEA = std::string(CIRRONA_SOURCE_DIR) + "/data/navdata/salish-sea/";

class SalishSeaData : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::ifstream(SALISH_SEA + "apt.dat")) << "no Salish Sea extract at " << SALISH_SEA;
    }
    template <typename Parser>
    ParsedElements parseFile(const std::string& name, Parser parser) {
        std::ifstream in(SALISH_SEA + name, std::ios::binary);
        return parser(in, name, [this](const ParseError& e) { errors.push_back(e); });
    }
    std::vector<ParseError> errors;
};

// The element of the kind with the ident, or null.
template <typename Element = AirportElement>
const Element* find(const ParsedElements& elements, const std::string& ident,
                    IChartElement::Type type = IChartElement::AIRPORT) {
    for (const auto& element : elements)
        if (element->getType() == type && static_cast<const Element&>(*element).ident == ident)
            return static_cast<const Element*>(element.get());
    return nullptr;
}

size_t countOf(const ParsedElements& elements, IChartElement::Type type) {
    return std::count_if(elements.begin(), elements.end(), [type](const auto& e) { return e->getType() == type; });
}

}  // namespace

TEST_F(SalishSeaData, VancouverAirportWithRunwaysThresholdsAndTower) {
    ParsedElements airports = parseFile("apt.dat", parseAptDat);
    EXPECT_EQ(countOf(airports, IChartElement::AIRPORT), 162u);
    EXPECT_GT(countOf(airports, IChartElement::GROUNDGEOMETRY), 100u);
    EXPECT_TRUE(errors.empty()) << formatParseError(errors.front());
    const AirportElement* cyvr = find(airports, "CYVR");
    ASSERT_NE(cyvr, nullptr);
    EXPECT_TRUE(cyvr->name == "Vancouver Intl" && cyvr->towered);
    EXPECT_LT(calcDistance2(cyvr->position, ChartPosition(-123.18, 49.19)), 2500.0);
    const std::vector<std::wstring> com = cyvr->getComFrequencies();
    EXPECT_NE(std::find(com.begin(), com.end(), L"VANCOUVER TWR 118.700"), com.end());
    // 08R/26L, 12/30, 08/26, 08L/26R and the seaplane lane 07/25.
    ASSERT_EQ(cyvr->runways.size(), 5u);
    for (const Runway& runway : cyvr->runways) {
        ASSERT_TRUE(runway.thresholdValid[0] && runway.thresholdValid[1] && !runway.inaccurate);
        // The end's number is its heading in tens of degrees (true, so up to
        // 20° off the magnetic designator here); seaplane lanes are named freely.
        EXPECT_TRUE(runway.surface == Runway::WATER ||
                    headingDiff(runway.getEndDirection(0), std::atoi(runway.endName[0].c_str()) * 10.0) < 25.0)
            << runway.endName[0];
    }
    EXPECT_TRUE(cyvr->runways[0].endName[0] == "08R" && cyvr->runways[0].length > 11000);
    // The localizers of nav.dat become the runways' approaches.
    std::vector<LocalizerApproach> localizers;
    ParsedElements navaids = parseFile("nav.dat", [&](std::istream& in, const std::string& name,
                                                      const ParseErrorSink& sink) {
        return parseNavDat(in, name, sink, &localizers);
    });
    attachLocalizers(airports, localizers, "nav.dat", [this](const ParseError& e) { errors.push_back(e); });
    const std::vector<std::wstring> nav = cyvr->getNavFrequencies();
    EXPECT_NE(std::find(nav.begin(), nav.end(), L"ILS 08R 109.500"), nav.end());
}

TEST_F(SalishSeaData, NavaidsNearTheirPositions) {
    const ParsedElements navaids = parseFile("nav.dat", [](std::istream& in, const std::string& name,
                                                           const ParseErrorSink& sink) {
        return parseNavDat(in, name, sink, nullptr);
    });
    EXPECT_TRUE(errors.empty());
    const auto* yvr = find<VORElement>(navaids, "YVR", IChartElement::VOR);
    const auto* zvr = find<NDBElement>(navaids, "ZVR", IChartElement::NDB);
    ASSERT_NE(yvr, nullptr);
    EXPECT_EQ(yvr->vorType, VORElement::VORDME);
    EXPECT_EQ(yvr->getNavFrequencies().at(0), L"YVR 115.900");
    EXPECT_LT(calcDistance2(yvr->position, ChartPosition(-123.149, 49.077)), 200.0);
    ASSERT_NE(zvr, nullptr);
    EXPECT_TRUE(zvr->name == "SEA ISLAND" && zvr->frequency == 368);
    EXPECT_LT(calcDistance2(zvr->position, ChartPosition(-123.2197, 49.1914)), 200.0);
    EXPECT_EQ(countOf(navaids, IChartElement::NDB), 23u);
}

TEST_F(SalishSeaData, FixesAirwaysAndPlacesParseCleanly) {
    ParsedElements fixes = parseFile("fix.dat", parseFixDat);
    const ParsedElements airways = parseFile("awy.dat", [](std::istream& in, const std::string& name,
                                                           const ParseErrorSink& sink) {
        return parseAwyDat(in, name, sink);
    });
    const ParsedElements places = parseFile("poi.dat", parsePoiDat);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(fixes.size(), 593u);
    EXPECT_EQ(airways.size(), 252u);
    EXPECT_EQ(places.size(), 310u);
    markAirwayUsage(fixes, airways);
    size_t used = 0;
    for (const auto& fix : fixes)
        used += static_cast<const WaypointElement&>(*fix).usedByAirways;
    EXPECT_GT(used, 50u);
}

TEST_F(SalishSeaData, FrequenciesCarryTheServiceNamesOfTheData) {
    const ParsedElements airports = parseFile("apt.dat", parseAptDat);
    const struct { const char* ident; const wchar_t* frequency; bool towered; } cases[] = {
        {"CYXX", L"ABBOTSFORD FSS 119.400", true},  // filed as ATIS rows
        {"KBFI", L"TEST 123.425", true},            // a tower row, with the real tower beside it
        {"CYBL", L"MF CAMPBELL RDO 122.000", false},
        {"CYPK", L"TWR 120.000", true},
        {"CYHC", L"RDO 123.150", true},  // radio on the unicom rows, a tower beside
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ident);
        const AirportElement* airport = find(airports, c.ident);
        ASSERT_NE(airport, nullptr);
        const std::vector<std::wstring> com = airport->getComFrequencies();
        EXPECT_NE(std::find(com.begin(), com.end(), c.frequency), com.end());
        EXPECT_EQ(airport->towered, c.towered);
    }
}
