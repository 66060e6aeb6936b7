#include "chart/elements/AirspaceElement.h"
#include "base/Units.h"
#include "geo/Geodesy.h"
#include "parsers/OpenAirParser.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

ParsedElements parse(const std::string& text, std::vector<unsigned>* errorLines = nullptr) {
    std::istringstream in(text);
    return parseOpenAir(in, "test.txt", [errorLines](const ParseError& e) {
        if (errorLines)
            errorLines->push_back(e.line);
    });
}

const AirspaceElement& airspaceAt(const ParsedElements& elements, size_t i) {
    return static_cast<const AirspaceElement&>(*elements.at(i));
}

}  // namespace

TEST(OpenAirCoordinates, CommonNotationsAndOutOfRangeValues) {
    const struct { const char* text; bool valid; double latitude, longitude; } cases[] = {
        {"49:12:30 N 123:10:00 W", true, 49.208333, -123.166667},
        {"49:12.5N 123:10.2W", true, 49.208333, -123.17},
        {"33:52:00 S 151:12:30.5 E", true, -33.866667, 151.208472},
        {"49:61:00 N 123:00:00 W", false, 0, 0}, {"91:00:00 N 123:00:00 W", false, 0, 0}, {"49:00:00 N", false, 0, 0},
    };
    for (const auto& c : cases) {
        ChartPosition p;
        ASSERT_EQ(parseOpenAirCoordinate(c.text, p), c.valid) << c.text;
        EXPECT_TRUE(!c.valid || calcDistance2(p, ChartPosition(c.longitude, c.latitude)) < 0.2) << c.text;
    }
}

TEST(OpenAirAltitudes, ReferencesAndUnits) {
    const struct { const char* text; bool valid; int32_t feet; uint8_t reference; } cases[] = {
        {"FL 125", true, 12500, AirspaceElement::FL}, {"4500ft MSL", true, 4500, AirspaceElement::MSL},
        {"2500", true, 2500, AirspaceElement::MSL},   {"1000 ft AGL", true, 1000, AirspaceElement::AGL},
        {"GND", true, 0, AirspaceElement::AGL},       {"1000m MSL", true, 3281, AirspaceElement::MSL},
        {"UNL", true, 99900, AirspaceElement::FL},  // FL 999
        {"high", false, 0, 0}, {"2500 furlongs", false, 0, 0},
    };
    for (const auto& c : cases) {
        int32_t feet = -1;
        uint8_t reference = 99;
        ASSERT_EQ(parseOpenAirAltitude(c.text, feet, reference), c.valid) << c.text;
        EXPECT_TRUE(!c.valid || (feet == c.feet && reference == c.reference)) << c.text << ": " << feet;
    }
}

TEST(OpenAirParser, PolygonWithArcCompilesToClosedPolygonInBounds) {
    // A control zone: a 5 NM arc north of the centre from 270° to 090°
    // clockwise, closed by a straight southern edge.
    const ParsedElements elements = parse(
        "* illustrative\nAC D\nAN TEST CTR\nAH 2500ft MSL\nAL SFC\n"
        "V X=49:00:00 N 123:00:00 W\n"
        "DP 49:00:00 N 123:07:00 W\n"
        "V D=+\n"
        "DA 5,270,90\n"
        "DP 49:00:00 N 122:53:00 W\n");
    ASSERT_EQ(elements.size(), 1u);
    const AirspaceElement& ctr = airspaceAt(elements, 0);
    EXPECT_EQ(ctr.airspaceClass + " " + ctr.name, "D TEST CTR");
    // 180° of arc in 5° steps: 37 points, plus the two DP points.
    ASSERT_EQ(ctr.points.size(), 39u);
    const ChartPosition centre(-123.0, 49.0);
    const double radius = 5 * units::kMetresPerNauticalMile;
    for (size_t i = 1; i + 1 < ctr.points.size(); ++i) {
        EXPECT_NEAR(calcDistance2(centre, ctr.points[i]), radius, 20.0) << i;
        EXPECT_GE(ctr.points[i].latitude, 49.0 - 1e-6);
    }
    // The arc runs clockwise over the north: west, north, east.
    EXPECT_NEAR(calcBearing2(centre, ctr.points[19]), 0.0, 0.5);
    ASSERT_TRUE(ctr.hasBoundingBox());
    EXPECT_NEAR(ctr.getSouthEast().latitude, 49.0, 1e-6);
}

TEST(OpenAirParser, CirclesAndArcsBetweenPoints) {
    const ParsedElements elements = parse(
        "AC R\nAN CYR101\nAH FL180\nAL 1000 AGL\nV X=48:30:00 N 123:30:00 W\nDC 3\n"
        "AC C\nAN COUNTER\nAH 12500\nAL 2500\nV X=49:00:00 N 123:00:00 W\nV D=-\n"
        "DB 49:05:00 N 123:00:00 W, 48:55:00 N 123:00:00 W\nDP 48:55:00 N 123:30:00 W\n");
    ASSERT_EQ(elements.size(), 2u);
    const AirspaceElement& circle = airspaceAt(elements, 0);
    EXPECT_EQ(circle.points.size(), 72u);
    for (const ChartPosition& p : circle.points)
        EXPECT_NEAR(calcDistance2(ChartPosition(-123.5, 48.5), p), 3 * units::kMetresPerNauticalMile, 10.0);
    // Counter-clockwise from north to south passes through the west.
    const AirspaceElement& arc = airspaceAt(elements, 1);
    EXPECT_EQ(arc.points.front().latitude, 49.0 + 5.0 / 60.0);
    const ChartPosition middle = arc.points[(arc.points.size() - 1) / 2];
    EXPECT_LT(middle.longitude, -123.1);
}

TEST(OpenAirParser, MalformedLinesAreReportedAndSkipped) {
    std::vector<unsigned> errorLines;
    const ParsedElements elements = parse(
        "DP 49:00:00 N 123:00:00 W\n"           // 1: before any AC
        "AC D\nAN GOOD\nAH 2500\nAL SFC\n"
        "DP 49:00:00 N 123:00:00 W\n"
        "DP 49:10:00 N 123:00:00 W\n"
        "DP 49:10:00 N 123:10:00 W\n"
        "XX what\n"                             // 9: unknown record, shape intact
        "AC D\nAN BROKEN\nAH 2500\nAL SFC\n"    // 10: skipped, reported at its AC line
        "DP 49:00:00 N 123:00:00 W\n"
        "DP 49 N\n"                             // 15: bad coordinate
        "DP 49:10:00 N 123:10:00 W\n"
        "AC D\nAN NOLIMIT\n"                    // 17: lacks limits
        "DP 49:00:00 N 123:00:00 W\nDP 49:10:00 N 123:00:00 W\nDP 49:10:00 N 123:10:00 W\n"
        "AC D\nAN NOCENTRE\nAH 2500\nAL SFC\nDC 5\n"  // 22: 26 arc without centre
        "AC E\nAN LAST\nAH 2500\nAL banana\n",       // 27: 30 bad altitude
        &errorLines);
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(airspaceAt(elements, 0).name, "GOOD");
    EXPECT_EQ(errorLines, (std::vector<unsigned>{1, 9, 15, 10, 17, 26, 22, 30, 27}));
}
