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

TEST(OpenAirCoordinates, CommonNotations) {
    ChartPosition p;
    ASSERT_TRUE(parseOpenAirCoordinate("49:12:30 N 123:10:00 W", p));
    EXPECT_NEAR(p.latitude, 49.208333, 1e-6);
    EXPECT_NEAR(p.longitude, -123.166667, 1e-6);
    ASSERT_TRUE(parseOpenAirCoordinate("49:12.5N 123:10.2W", p));
    EXPECT_NEAR(p.latitude, 49.208333, 1e-6);
    EXPECT_NEAR(p.longitude, -123.17, 1e-6);
    ASSERT_TRUE(parseOpenAirCoordinate("33:52:00 S 151:12:30.5 E", p));
    EXPECT_LT(p.latitude, 0.0);
    EXPECT_GT(p.longitude, 151.2);
    EXPECT_FALSE(parseOpenAirCoordinate("49:61:00 N 123:00:00 W", p));
    EXPECT_FALSE(parseOpenAirCoordinate("91:00:00 N 123:00:00 W", p));
    EXPECT_FALSE(parseOpenAirCoordinate("49:00:00 N", p));
    EXPECT_FALSE(parseOpenAirCoordinate("49:00:00 123:00:00 W", p));
    EXPECT_FALSE(parseOpenAirCoordinate("", p));
}

TEST(OpenAirAltitudes, ReferencesAndUnits) {
    int32_t feet = -1;
    uint8_t ref = 99;
    ASSERT_TRUE(parseOpenAirAltitude("FL95", feet, ref));
    EXPECT_EQ(feet, 9500);
    EXPECT_EQ(ref, AirspaceElement::FL);
    ASSERT_TRUE(parseOpenAirAltitude("FL 125", feet, ref));
    EXPECT_EQ(feet, 12500);
    ASSERT_TRUE(parseOpenAirAltitude("4500ft MSL", feet, ref));
    EXPECT_EQ(feet, 4500);
    EXPECT_EQ(ref, AirspaceElement::MSL);
    ASSERT_TRUE(parseOpenAirAltitude("2500", feet, ref));
    EXPECT_EQ(ref, AirspaceElement::MSL);
    ASSERT_TRUE(parseOpenAirAltitude("1000 ft AGL", feet, ref));
    EXPECT_EQ(feet, 1000);
    EXPECT_EQ(ref, AirspaceElement::AGL);
    ASSERT_TRUE(parseOpenAirAltitude("SFC", feet, ref));
    EXPECT_EQ(feet, 0);
    EXPECT_EQ(ref, AirspaceElement::AGL);
    ASSERT_TRUE(parseOpenAirAltitude("GND", feet, ref));
    ASSERT_TRUE(parseOpenAirAltitude("UNL", feet, ref));
    EXPECT_EQ(ref, AirspaceElement::FL);
    ASSERT_TRUE(parseOpenAirAltitude("1000m MSL", feet, ref));
    EXPECT_EQ(feet, 3281);
    EXPECT_FALSE(parseOpenAirAltitude("high", feet, ref));
    EXPECT_FALSE(parseOpenAirAltitude("2500 furlongs", feet, ref));
    EXPECT_FALSE(parseOpenAirAltitude("FLx", feet, ref));
    EXPECT_FALSE(parseOpenAirAltitude("", feet, ref));
}

TEST(OpenAirParser, PolygonWithArcCompilesToClosedPolygonInBounds) {
    // A control zone: a 5 NM arc north of the centre from 270° to 090°
    // clockwise, closed by a straight southern edge.
    const ParsedElements elements = parse(
        "* illustrative\n"
        "AC D\n"
        "AN TEST CTR\n"
        "AH 2500ft MSL\n"
        "AL SFC\n"
        "V X=49:00:00 N 123:00:00 W\n"
        "DP 49:00:00 N 123:07:00 W\n"
        "V D=+\n"
        "DA 5,270,90\n"
        "DP 49:00:00 N 122:53:00 W\n");
    ASSERT_EQ(elements.size(), 1u);
    const AirspaceElement& ctr = airspaceAt(elements, 0);
    EXPECT_EQ(ctr.airspaceClass, "D");
    EXPECT_EQ(ctr.name, "TEST CTR");
    EXPECT_EQ(ctr.top, 2500);
    EXPECT_EQ(ctr.topReference, AirspaceElement::MSL);
    EXPECT_EQ(ctr.bottomReference, AirspaceElement::AGL);
    // 180° of arc in 5° steps: 37 points, plus the two DP points.
    ASSERT_EQ(ctr.points.size(), 39u);
    const ChartPosition centre(-123.0, 49.0);
    const double radius = 5 * units::kMetresPerNauticalMile;
    for (size_t i = 1; i + 1 < ctr.points.size(); ++i) {
        EXPECT_NEAR(calcDistance2(centre, ctr.points[i]), radius, 20.0) << i;
        EXPECT_GE(ctr.points[i].latitude, 49.0 - 1e-6);
    }
    // The arc runs clockwise over the north: west, north, east.
    EXPECT_NEAR(calcBearing2(centre, ctr.points[1]), 270.0, 0.5);
    EXPECT_NEAR(calcBearing2(centre, ctr.points[19]), 0.0, 0.5);
    EXPECT_NEAR(calcBearing2(centre, ctr.points[37]), 90.0, 0.5);
    ASSERT_TRUE(ctr.hasBoundingBox());
    EXPECT_NEAR(ctr.getNorthWest().latitude, 49.0 + radius / 111194.94, 0.001);
    EXPECT_NEAR(ctr.getSouthEast().latitude, 49.0, 1e-6);
    // The polygon closes implicitly: its last point leads back to the first
    // along the southern edge, on the centre's latitude.
    EXPECT_NEAR(ctr.points.back().latitude, ctr.points.front().latitude, 1e-9);
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
    EXPECT_EQ(circle.top, 18000);
    EXPECT_EQ(circle.topReference, AirspaceElement::FL);

    // Counter-clockwise from north to south passes through the west.
    const AirspaceElement& arc = airspaceAt(elements, 1);
    EXPECT_EQ(arc.points.front().latitude, 49.0 + 5.0 / 60.0);
    EXPECT_NEAR(arc.points[arc.points.size() - 2].latitude, 49.0 - 5.0 / 60.0, 1e-12);
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
        "AC D\nAN TWO\nAH 2500\nAL SFC\n"       // 22: two points only
        "DP 49:00:00 N 123:00:00 W\nDP 49:10:00 N 123:00:00 W\n"
        "AC D\nAN NOCENTRE\nAH 2500\nAL SFC\nDC 5\n"  // 28: 32 arc without centre
        "AC E\nAN LAST\nAH 2500\nAL banana\n",       // 33: 36 bad altitude
        &errorLines);
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(airspaceAt(elements, 0).name, "GOOD");
    EXPECT_EQ(errorLines, (std::vector<unsigned>{1, 9, 15, 10, 17, 22, 32, 28, 36, 33}));
}
