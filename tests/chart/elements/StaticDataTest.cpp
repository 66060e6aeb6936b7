#include "ElementSamples.h"

#include "base/Units.h"
#include "chart/elements/StaticData.h"

#include <cmath>

struct Summary {
    char bytes[3] = {0x55, 0x55, 0x55};
    uint8_t operator[](int i) const { return static_cast<uint8_t>(bytes[i]); }
};

static Summary summaryOf(const IChartElement& element) {
    Summary s;
    element.writeStaticData(s.bytes);
    return s;
}

TEST(StaticAltitude, TwelveBitEncodingAtItsEdges) {
    const std::pair<double, int> edges[] = {{0, 216}, {9000, 4095}, {1e4, 4095}, {-500, 0}, {NAN, 0}};
    for (const auto& [metres, code] : edges) EXPECT_EQ(encodeStaticAltitude12(metres), code) << metres;
    for (double m = -500.0; m <= 9000.0; m += 37.3)
        EXPECT_NEAR(decodeStaticAltitude12(encodeStaticAltitude12(m)), m, 9500.0 / 4095 / 2 + 1e-9);
}

TEST(StaticAltitude, SixteenBitEncodingOfObstacles) {
    EXPECT_EQ(encodeStaticAltitude16(300.0), 5519);
    EXPECT_EQ(encodeStaticAltitude16(9000.5), 65535);
    EXPECT_EQ(encodeStaticAltitude16(-600.0), 0);
    ObstructionElement mast;
    mast.topMSL = static_cast<int32_t>(std::lround(units::metresToFeet(300.0)));  // 984 ft
    EXPECT_NEAR(readStaticObstructionElevation(summaryOf(mast).bytes), 984 * units::kMetresPerFoot, 0.1);
}

TEST(StaticAirspace, ClassIndexAndBottomShareTwoBytes) {
    AirspaceElement tra = makeSampleAirspace();
    tra.bottom = 0;
    Summary s = summaryOf(tra);
    EXPECT_EQ(readStaticAirspaceClass(s.bytes), 13);
    EXPECT_EQ(getStaticWord(s.bytes) & 0xFFF, 216);
    tra.airspaceClass = "C", tra.bottom = 40000;  // above the 12-bit range
    s = summaryOf(tra);
    EXPECT_EQ(readStaticAirspaceClass(s.bytes), 0);
    EXPECT_EQ(getStaticWord(s.bytes) & 0xFFF, 4095);
    EXPECT_EQ(getStaticAirspaceClassIndex("tra"), 0);  // compared exactly
    EXPECT_EQ(getStaticAirspaceClassIndex("TRA "), 0);
    // 15 is no class of the table and reads as "none of these".
    char raw[3] = {0, 0, static_cast<char>(0xF0)};
    EXPECT_EQ(readStaticAirspaceClass(raw), 0);
}

TEST(StaticAirspace, RASLocalTypeIsTheLastWordNearTheEnd) {
    // A trailing blank is not searched, and only the last 20 characters are.
    const std::pair<const char*, const char*> cases[] = {
        {"RAS MOA", "MOA"}, {"CYR 101 ALERT", "ALERT"}, {"NOBLANK", ""}, {"AB ", ""}, {"A B ", "B "},
        {"X 12345678901234567890", ""}, {"X 1234567890123456789", "1234567890123456789"}};
    for (const auto& [name, type] : cases) EXPECT_EQ(extractRASLocalType(name), type) << name;
}

TEST(StaticSummary, ByteZeroIsTheTypeCode) {
    for (const auto& element : makeAllSamples())
        EXPECT_EQ(summaryOf(*element)[0], element->getType());
}

TEST(StaticSummary, AirportFlagsAndTheNoRunwaysBit) {
    AirportElement airport = makeSampleAirport();
    Summary s = summaryOf(airport);
    EXPECT_EQ(s[1], 2 | 8 | 16);  // heliport, glider, towered
    EXPECT_EQ(s[2], 0);
    airport.runways.clear(), airport.heliport = airport.glider = airport.towered = false;
    airport.closed = airport.privateUse = airport.military = true;
    s = summaryOf(airport);
    EXPECT_EQ(s[1], 1 | 4 | 32 | 64);
}

TEST(StaticSummary, PointKindsUsageBits) {
    EXPECT_EQ(summaryOf(makeSampleWaypoint())[1], 1 | 4 | 16);  // high, usedByAirways, rp
    EXPECT_EQ(summaryOf(makeSampleNDB())[1], 2 | 4);
    EXPECT_EQ(summaryOf(makeSampleVOR())[1], 1 | 4);
    EXPECT_EQ(summaryOf(makeSampleAirway())[1], 2);
    EXPECT_EQ(summaryOf(makeSampleMark())[1] | summaryOf(makeSampleMark())[2], 0);
    EXPECT_EQ(summaryOf(makeSamplePOI())[1], POIElement::PEAK);
}

TEST(StaticSummary, GroundGeometryAreaByteAndFlags) {
    Summary s = summaryOf(makeSampleGroundGeometry());  // area value 13, small box
    EXPECT_EQ(s[1], ggeAreaToByte(13 * GGE_AREA_UNIT_M2));
    EXPECT_EQ(s[2], GroundGeometryElement::APRON | 0x80);
    GroundGeometryElement road;
    road.kind = GroundGeometryElement::ROAD, road.geometryType = GroundGeometryElement::LINE;
    road.setLineWidth(7.5), road.points = {{-123.0, 49.0}, {-122.0, 49.5}};
    road.updateBoundingBox();
    s = summaryOf(road);
    EXPECT_EQ(s[1], 0);
    EXPECT_EQ(s[2], GroundGeometryElement::ROAD | 0x20 | 0x40);  // large box: no bit 7
    EXPECT_DOUBLE_EQ(road.getLineWidth(), 7.5);
}

TEST(StaticSummary, AreaByteScale) {
    for (auto [area, byte] : {std::pair(0.0, 0), {GGE_AREA_UNIT_M2, 0}, {GGE_AREA_UNIT_M2 * 65536.0, 255}, {1e15, 255}})
        EXPECT_EQ(ggeAreaToByte(area), byte) << area;
    for (int b = 1; b < 255; b += 17)
        EXPECT_EQ(ggeAreaToByte(ggeByteToArea(static_cast<uint8_t>(b))), b);
}
