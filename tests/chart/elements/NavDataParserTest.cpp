#include "chart/elements/AirportElement.h"
#include "chart/elements/AirspaceElement.h"
#include "chart/elements/AirwayElement.h"
#include "geo/Geodesy.h"
#include "chart/elements/GroundGeometryElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/POIElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"
#include "parsers/AptDatParser.h"
#include "parsers/AwyDatParser.h"
#include "parsers/FixDatParser.h"
#include "parsers/FrequencyService.h"
#include "parsers/NavDataFormat.h"
#include "parsers/NavDatParser.h"
#include "parsers/OpenAirParser.h"
#include "parsers/PoiDatParser.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Collected {
    std::vector<ParseError> errors;
    ParseErrorSink sink() {
        return [this](const ParseError& e) { errors.push_back(e); };
    }
    std::vector<unsigned> lines() const {
        std::vector<unsigned> result;
        for (const ParseError& e : errors) result.push_back(e.line);
        return result;
    }
    // Parses `text` with one of the parsers, collecting its errors here.
    template <typename Parse, typename... Extra>
    ParsedElements parse(Parse parse, const std::string& text, Extra... extra) {
        std::istringstream in(text);
        return parse(in, "test.dat", sink(), extra...);
    }
};

template <typename T>
const T& as(const std::unique_ptr<IChartElement>& element) {
    return static_cast<const T&>(*element);
}

const char* const APT_SAMPLE =
    "I\n"
    "1000 Version - test data\n"
    "\n"
    "1       14 1 0 CYVR [MIL] Vancouver Intl\n"
    "100   60.96   1   1 0.00 1 2 0 08R  49.19011200 -123.20794600    0.00    0.00 3  2 1 0 26L  49.18466800 "
    "-123.16049200  300.00    0.00 3  1 0 0\r\n"
    "100   60.96   1   1 0.00 1 2 0 08L  49.2051 -123.2013 0.00 0.00 3 2 1 0\n"  // line 6: one end only
    "101   46.02 0 07   49.17828200 -123.18241800 25   49.17591400 -123.16179000\n"
    "102 H1   49.18031500 -123.15530800 303.40   14.94   14.94   2 0   0 0.00 1\n"
    "54 11870 VANCOUVER TWR\n"
    "54 11955 VANCOUVER TWR\n"
    "56 12612 VANCOUVER DEP\n"
    "53 abc VANCOUVER GND\n"  // line 12: bad frequency
    "1101 26L right\n"
    "110   1 0.25  25.70 Main apron\n"
    "111  49.1900 -123.1800\n"
    "112  49.1900 -123.1700 49.1905 -123.1750\n"
    "113  49.1950 -123.1700\n"
    "111  49.1920 -123.1760\n"  // a hole: ignored
    "113  49.1930 -123.1750\n"
    "120 Taxi line\n"
    "111  49.1 -123.1\n"
    "115  49.2 -123.2\n"
    "17      5 0 0 CBC7 Vancouver Harbour Heliport\n"
    "102 H1   49.28772800 -123.11133000 85.00   20.00   20.00   1 0   0 0.00 0\n"
    "1 notanumber 1 0 BAD1 Broken airport\n"  // line 25: skipped with its records
    "100 broken runway\n"
    "16     0 0 0 CAQ5 Nakusp Seaplane Base\n"  // no position at all: reported
    "99\n";

}  // namespace

TEST(AptDatParser, AirportsWithRunwaysFrequenciesAndPavement) {
    Collected errors;
    const ParsedElements elements = errors.parse(parseAptDat, APT_SAMPLE);
    ASSERT_EQ(elements.size(), 3u);  // CYVR, its apron, the heliport
    // Names, towers and runway ends on real rows: SalishSeaDataTest.
    const auto& cyvr = as<AirportElement>(elements[0]);
    EXPECT_TRUE(cyvr.military && cyvr.elevation == 14);
    ASSERT_EQ(cyvr.runways.size(), 2u);  // the land runway and the water runway
    const Runway& r08 = cyvr.runways[0];
    EXPECT_TRUE(r08.surface == Runway::SOLID && r08.width == 200 && !r08.inaccurate);
    EXPECT_NEAR(r08.length, 11500, 60);  // 3505 m between the ends
    EXPECT_NEAR(r08.direction, 100, 1);
    // 26L's threshold is displaced 300 m towards 08R.
    EXPECT_NEAR(calcDistance2(r08.threshold[0], r08.threshold[1]), 3505.0 - 300.0, 5.0);
    EXPECT_LT(r08.threshold[1].longitude, -123.1605);
    EXPECT_EQ(cyvr.runways[1].surface, Runway::WATER);
    EXPECT_NEAR(cyvr.position.latitude, 49.185, 0.01);  // the middle of the thresholds
    EXPECT_EQ(cyvr.getComFrequencies().at(2), L"VANCOUVER DEP 126.125");  // the file's 12612 is a 25 kHz channel
    const auto& apron = as<GroundGeometryElement>(elements[1]);
    EXPECT_TRUE(apron.kind == GroundGeometryElement::APRON && apron.geometryType == GroundGeometryElement::AREA);
    EXPECT_EQ(apron.name + " of " + apron.description, "Main apron of CYVR");
    EXPECT_GT(apron.points.size(), 3u);  // the bezier edge is sampled
    EXPECT_GT(apron.getStoredArea(), 0.0);
    const auto& heliport = as<AirportElement>(elements[2]);
    EXPECT_TRUE(heliport.ident == "CBC7" && heliport.heliport && heliport.runways.size() == 1);
    EXPECT_NEAR(heliport.position.latitude, 49.287728, 1e-6);
    // Malformed lines are reported with their line numbers and skipped.
    EXPECT_EQ(errors.lines(), (std::vector<unsigned>{6, 12, 25, 27}));
}

TEST(AptDatParser, ClosedMarkerOldTaxiwayRowAndOutOfRangeElevation) {
    Collected errors;
    const ParsedElements elements = errors.parse(parseAptDat,
        "I\n1000 Version\n"
        "1 100 0 0 XCLS [X] Old Field\n"
        "10   49.07254400 -123.00112700 xxx  37.00  4857 0.0 0.0   100 101101  1 0 0 0.00 0\n"  // gives the position
        "1 2147483647 0 0 HIGH Too high\n"  // line 5: skipped with its runway
        "100 60.96 1 1 0.00 1 2 0 08R 49.19 -123.2 0 0 3 2 1 0 26L 49.18 -123.16 0 0 3 1 0 0\n"
        "99\n");
    ASSERT_EQ(elements.size(), 2u);  // the field and its taxiway
    const auto& field = as<AirportElement>(elements[0]);
    EXPECT_TRUE(field.closed && field.name == "Old Field");
    EXPECT_EQ(errors.lines(), (std::vector<unsigned>{5}));
}

TEST(NavDatParser, NavaidsOfEveryKindAndLocalizers) {
    Collected errors;
    std::vector<LocalizerApproach> localizers;
    const ParsedElements elements = errors.parse(parseNavDat,
        "I\n810 Version - test\n"
        "2  49.19138889 -123.21972222      0   368  50    0.0 ZVR  SEA ISLAND NDB\n"
        "3  49.07791667 -123.14944444     10 11590 130   20.0 YVR  VANCOUVER VORTAC\n"
        "3  49.21583333 -122.71500000      0 11240  40   17.0 YPK  PITT MEADOWS VOR\n"
        "4  49.18 -123.16 10 11155 18 98.0 IVR CYVR 08R ILS-cat-I\n"
        "6  49.18 -123.16 10 11155 10 300098.0 IVR CYVR 08R GS\n"
        "12 49.07791667 -123.14944444 10 11590 130 0.0 YVR VANCOUVER VORTAC DME\n"
        "13 48.35489700 -122.66173600 51 11380 130 0.0 NUW  WHIDBEY ISLAND TACAN\n"
        "2  91.0 -123.0 0 300 50 0.0 BAD BAD NDB\n"  // line 10: latitude out of range
        "99\n", &localizers);
    ASSERT_EQ(elements.size(), 4u);  // the NDB's and VOR-DME's fields: SalishSeaDataTest
    const auto& yvr = as<VORElement>(elements[1]);
    EXPECT_EQ(std::make_tuple(yvr.vorType, yvr.frequencyMHz, yvr.frequencyKHz, yvr.tacanChannel, yvr.highAltUsage),
              std::make_tuple(VORElement::VORTAC, 115, 900, std::string("106X"), true));
    EXPECT_EQ(as<VORElement>(elements[2]).vorType, VORElement::VOR_ONLY);
    EXPECT_EQ(as<VORElement>(elements[3]).vorType, VORElement::TACAN);
    ASSERT_EQ(localizers.size(), 1u);
    EXPECT_EQ(errors.lines(), (std::vector<unsigned>{10}));
    ParsedElements airports = Collected().parse(parseAptDat, APT_SAMPLE);
    localizers.push_back(localizers[0]);
    localizers.back().runwayEnd = "99";
    Collected attachErrors;
    attachLocalizers(airports, localizers, "nav.dat", attachErrors.sink());
    const auto& cyvr = as<AirportElement>(airports[0]);
    ASSERT_EQ(cyvr.runways[0].approaches[0].size(), 1u);
    EXPECT_EQ(cyvr.getNavFrequencies().at(0), L"ILS 08R 111.550");
    EXPECT_EQ(attachErrors.errors.size(), 1u);  // runway 99
}

TEST(FixAndAirwayParsers, FixesSegmentsAndTheirUsage) {
    Collected errors;
    ParsedElements points = errors.parse(parseFixDat,
        "I\n600 Version\n\n"
        " 48.790810 -122.532960 ACORD\n"
        " 48.711628 -122.509447 EGRET\n"
        " 50.0 -200.0 FAR\n"  // line 6
        "99\n");
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(as<WaypointElement>(points[0]).ident, "ACORD");
    EXPECT_EQ(errors.lines(), (std::vector<unsigned>{6}));
    Collected awyErrors;
    const ParsedElements segments = awyErrors.parse(parseAwyDat,
        "I\n640 Version\n\n"
        "ACORD  48.790810 -122.532960 EGRET  48.711628 -122.509447 1 035 180 V23-V287\n"
        "YVR11  48.894608 -123.124936 YVR20  48.745188 -123.105242 2 180 600 J126\n"
        "ACORD  48.790810 -122.532960 EGRET  48.711628 -122.509447 3 035 180 V1\n"  // line 6: usage
        "99\n", nullptr);
    ASSERT_EQ(segments.size(), 2u);
    const auto& v23 = as<AirwayElement>(segments[0]);
    EXPECT_TRUE(v23.name == "V23-V287" && v23.lowAltUsage && !v23.highAltUsage);
    EXPECT_EQ(std::make_pair(v23.mea, v23.maa), std::make_pair(3500, 18000));
    EXPECT_TRUE(as<AirwayElement>(segments[1]).highAltUsage);
    EXPECT_EQ(awyErrors.lines(), (std::vector<unsigned>{6}));
    markAirwayUsage(points, segments);
    const auto& acord = as<WaypointElement>(points[0]);
    EXPECT_TRUE(acord.usedByAirways && acord.lowAltUsage && !acord.highAltUsage);
}

TEST(PoiDatParser, PlacesByKind) {
    Collected errors;
    const ParsedElements elements = errors.parse(parsePoiDat,
        "# poi.dat v1.02\n# ID | LAT | LON | NAME\n\n"
        "12 47.6038321 -122.3300624 Seattle\n"
        "14 50.4535925 -125.5175801 Gunnar's Landing\n"
        "10 12.7 122.7 Philippines\n"
        "99 1 1 Unknown kind\n"  // line 7
        "13 x y Broken\n");      // line 8
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(as<POIElement>(elements[1]).name, "Gunnar's Landing");
    EXPECT_EQ(std::make_tuple(as<POIElement>(elements[0]).poiType, as<POIElement>(elements[1]).poiType,
                              as<POIElement>(elements[2]).poiType),
              std::make_tuple(POIElement::CITY, POIElement::VILLAGE, POIElement::COUNTRY));
    EXPECT_EQ(errors.lines(), (std::vector<unsigned>{7, 8}));
}

TEST(NavDataFormat, RecognisedByContent) {
    // The other kinds: XPlane11Formats.
    EXPECT_EQ(detectNavDataFormat("\r\n810 Version - data\r\n"), NavDataFormat::NAV_DAT);
    EXPECT_EQ(detectNavDataFormat("# poi.dat v1.02\n"), NavDataFormat::POI_DAT);
    EXPECT_EQ(detectNavDataFormat("* airspace\n*\nAC D\nAN TEST\n"), NavDataFormat::OPENAIR);
    EXPECT_EQ(detectNavDataFormat("hello\n"), NavDataFormat::UNKNOWN);
}

TEST(FrequencyService, TheDatasOwnNameLabelsAndDecidesTheTower) {
    // Row service and text as the open data pair them.
    // The data's own rows (CYXX, KBFI, CYBL, CYPK, CYHC) are in SalishSeaDataTest.
    const struct { const char *row, *text, *label; bool tower; } cases[] = {
        {"TWR", "AFIS", "AFIS", false}, {"UNICOM", "A/G VOICE RDO", "A/G VOICE RDO", false},
        {"TWR", "TWR 126.3", "TWR", true},  // a repeated frequency is no name
        {"TWR", "unnamed entity", "unnamed entity", true}, {"APP", "TWR/APP", "TWR/APP", true},
        {"APP", "SEATTLE APP/DEP", "SEATTLE APP/DEP", false}, {"GND", "Brussels Radio", "Brussels Radio", false},
    };
    for (const auto& c : cases) {
        const FrequencyService service = classifyFrequencyService(c.row, c.text);
        EXPECT_TRUE(service.label == c.label && service.tower == c.tower) << c.row << " / " << c.text;
    }
}

// Rows of the Salish Sea extract (data/navdata/salish-sea, GPL-2+, see
// data/navdata/COPYING-flightgear-data) rewritten in the X-Plane 11 and 12
// layouts, which add kHz frequency rows and region columns.
TEST(XPlane11Formats, AirportsWithKHzFrequencyRows) {
    for (const std::string version : {"1100 Version - metadata AptXP1100", "1200 Version"}) {
        SCOPED_TRACE(version);
        const std::string text =
            "I\n" + version +
            "\n\n"
            "1      189 1 0 CYXX Abbotsford\n"
            "100   60.96   1   1 0.25 0 2 1 07   49.01911500 -122.37996700    0.00    0.00 3  5 0 0 25   "
            "49.02104800 -122.34005800  131.06    0.00 3 11 0 1\n"
            "1302 city Abbotsford\n"
            "50 11940 ABBOTSFORD FSS\n"
            "1050 119400 ABBOTSFORD FSS\n"  // the same frequency again in kHz
            "1054 119405 TWR\n"             // an 8.33 kHz channel
            "1053 121800\n"
            "1052 12180 CLNC DEL\n"  // line 11: 10 kHz units in a kHz row
            "1500 49.0 -122.3\n"     // line 12: a row unknown to the chart
            "99\n";
        EXPECT_EQ(detectNavDataFormat(text), NavDataFormat::APT_DAT);
        Collected errors;
        const ParsedElements elements = errors.parse(parseAptDat, text);
        ASSERT_EQ(elements.size(), 1u);
        const auto& cyxx = as<AirportElement>(elements[0]);
        EXPECT_TRUE(cyxx.towered);
        EXPECT_EQ(cyxx.getComFrequencies(),
                  (std::vector<std::wstring>{L"ABBOTSFORD FSS 119.400", L"TWR 119.405", L"GND 121.800"}));
        EXPECT_EQ(errors.lines(), (std::vector<unsigned>{11, 12}));
    }
}

TEST(XPlane11Formats, NavaidsFixesAndAirwaysByRegion) {
    const std::string nav =
        "I\n1100 Version - metadata NavXP1100\n"
        "2  49.19138889 -123.21972222      0   368  50    0.0 ZVR  ENRT CY SEA ISLAND NDB\n"
        "3  49.07733333 -123.14908333     17 11590 130   17.0 YVR  ENRT CY VANCOUVER VOR-DME\n"
        "4  49.18438600 -123.15899400      4 10950  18     100.165 IVR  CYVR CY 08R ILS-cat-II\n"
        "12  49.07731944 -123.14907222     17 11590 130    0.0 YVR  ENRT CY VANCOUVER VOR-DME\n"
        "99\n";
    EXPECT_EQ(detectNavDataFormat(nav), NavDataFormat::NAV_DAT);
    Collected navErrors;
    std::vector<LocalizerApproach> localizers;
    ParsedElements points = navErrors.parse(parseNavDat, nav, &localizers);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(as<NDBElement>(points[0]).name, "SEA ISLAND");
    EXPECT_TRUE(as<VORElement>(points[1]).name == "VANCOUVER" && as<VORElement>(points[1]).vorType == VORElement::VORDME);
    ASSERT_EQ(localizers.size(), 1u);
    EXPECT_EQ(localizers[0].airportIdent + " " + localizers[0].runwayEnd + " " + localizers[0].name, "CYVR 08R ILS");
    EXPECT_TRUE(navErrors.errors.empty());
    const std::string fixes =
        "I\n1200 Version\n\n"
        " 48.790808 -122.532958 ACORD ENRT K1 4530263 ACORD\n"
        " 48.711628 -122.509447 EGRET ENRT K1 4530263\n"
        "-33.000000  151.000000 ACORD ENRT YM 4530263\n"  // the same ident far away
        "99\n";
    EXPECT_EQ(detectNavDataFormat(fixes), NavDataFormat::FIX_DAT);
    Collected fixErrors;
    ParsedElements fixPoints = fixErrors.parse(parseFixDat, fixes);
    EXPECT_TRUE(fixPoints.size() == 3u && fixErrors.errors.empty());
    for (auto& fix : fixPoints)
        points.push_back(std::move(fix));
    const std::string airways =
        "I\n1100 Version\n"
        "ACORD K1 11 EGRET K1 11 N 1 035 180 V23-V287\n"
        "EGRET K1 11 ACORD K1 11 B 1 035 180 V23\n"
        "YVR CY 3 ZVR CY 2 F 2 180 600 J5\n"
        "ACORD K1 11 NOWHERE K1 11 N 1 035 180 V1\n"  // line 6: unknown end
        "ACORD K1 11 YVR CY 11 N 1 035 180 V1\n"      // line 7: YVR is no fix
        "99\n";
    EXPECT_EQ(detectNavDataFormat(airways), NavDataFormat::AWY_DAT);
    Collected awyErrors;
    const ParsedElements segments = awyErrors.parse(parseAwyDat, airways, &points);
    ASSERT_EQ(segments.size(), 3u);
    const auto& both = as<AirwayElement>(segments[0]);
    EXPECT_TRUE(both.name == "V23-V287" && !both.oneDirection && both.lowAltUsage && both.mea == 3500);
    EXPECT_NEAR(both.start.latitude, 48.790808, 1e-9);  // the ACORD next to EGRET
    EXPECT_NEAR(both.end.latitude, 48.711628, 1e-9);
    const auto& backwards = as<AirwayElement>(segments[1]);  // turned to run the allowed way
    EXPECT_TRUE(backwards.oneDirection && backwards.remarks == "ACORD - EGRET");
    EXPECT_NEAR(backwards.start.latitude, 48.790808, 1e-9);
    const auto& j5 = as<AirwayElement>(segments[2]);
    EXPECT_TRUE(j5.highAltUsage && j5.oneDirection);
    EXPECT_NEAR(j5.end.longitude, -123.21972222, 1e-9);
    EXPECT_EQ(awyErrors.lines(), (std::vector<unsigned>{6, 7}));
}

TEST(AptDatParser, PrivateUseFromTheNamesOfTheData) {
    // Airport rows of the world apt.dat (GPL-2+, see data/navdata/COPYING-flightgear-data).
    Collected errors;
    const ParsedElements elements = errors.parse(parseAptDat,
        "I\n1000 Version\n"
        "1      410 0 1 9H2  Adams - Private\n14 39.0 -90.0 0 0 T\n"
        "1      725 0 0 YTAV Avoca (Private)\n14 -37.0 143.0 0 0 T\n"
        "1      292 1 0 YB2  Arty Hearns Pvt Strip\n14 -27.0 153.0 0 0 T\n"
        "1       38 0 1 RPVT TAGBILARAN\n14 9.6 123.8 0 0 T\n"
        "1      100 0 0 XPRV Privateer Field\n14 40.0 -80.0 0 0 T\n"
        "99\n");
    std::vector<bool> privateUse;
    for (const auto& element : elements) privateUse.push_back(as<AirportElement>(element).privateUse);
    EXPECT_EQ(privateUse, (std::vector<bool>{true, true, true, false, false}));
    EXPECT_TRUE(errors.errors.empty());
}
