#include "ElementSamples.h"

#include "geo/Geodesy.h"

// Thresholds the given distance apart along 49° N, end 0 to the west.
static Runway runwayWithThresholdsApart(double metres, int32_t lengthFeet) {
    Runway r;
    r.length = lengthFeet, r.direction = 90;
    r.threshold[0] = ChartPosition(-123.0, 49.0);
    r.threshold[1] = calcChartPositionAtBearing(r.threshold[0], 90.0, metres);
    r.thresholdValid[0] = r.thresholdValid[1] = true;
    return r;
}

TEST(RunwayPlausibility, ThresholdDistanceAgainstLength) {
    Runway r = runwayWithThresholdsApart(700.0, 1000);
    EXPECT_TRUE(r.checkPlausibility());
    EXPECT_TRUE(r.inaccurate);
    // Half the length (1000 ft = 304.8 m, so 457.2 m apart) is the limit,
    // or 1000 m of mismatch on long runways.
    for (auto [metres, feet, plausible] : {std::tuple(457.3, 1000, true), {457.0, 1000, false},
                                           {3048.0 + 1001.0, 10000, true}, {3048.0 + 990.0, 10000, false}})
        EXPECT_EQ(runwayWithThresholdsApart(metres, feet).checkPlausibility(), plausible) << metres;
}

TEST(RunwayGeometry, EndDirectionsFromThresholdsOrHeading) {
    Runway r = runwayWithThresholdsApart(2000.0, 6500);
    r.direction = 80;  // stated heading differs from the surveyed one
    EXPECT_NEAR(r.getEndDirection(0), 90.0, 0.1);
    EXPECT_NEAR(r.getEndDirection(1), 270.0, 0.1);
    r.thresholdValid[1] = false;
    EXPECT_DOUBLE_EQ(r.getEndDirection(0), 80.0);
    EXPECT_DOUBLE_EQ(r.getEndDirection(1), 260.0);
    r.direction = 270;
    EXPECT_DOUBLE_EQ(r.getEndDirection(1), 90.0);
}

TEST(RunwayGeometry, MissingThresholdsAreDerived) {
    const ChartPosition reference(-123.0, 49.0);
    Runway r;
    r.direction = 90, r.length = 3281;  // 1000 m
    r.threshold[0] = reference, r.thresholdValid[0] = true;
    const ChartPosition end1 = r.getThreshold(1, ChartPosition(10.0, 10.0));
    EXPECT_NEAR(calcDistance2(reference, end1), 1000.0, 1.0);
    EXPECT_NEAR(calcBearing2(reference, end1), 90.0, 0.1);
    // Only end 1 known: end 0 lies the length back against the heading.
    r.thresholdValid[0] = false, r.threshold[1] = end1, r.thresholdValid[1] = true;
    const ChartPosition end0 = r.getThreshold(0, ChartPosition(10.0, 10.0));
    EXPECT_NEAR(calcDistance2(end0, reference), 0.0, 1.0);
    // Neither known: centred on the airport reference point.
    r.thresholdValid[1] = false;
    const ChartPosition a = r.getThreshold(0, reference), b = r.getThreshold(1, reference);
    EXPECT_NEAR(calcDistance2(a, b), 1000.0, 1.0);
    EXPECT_NEAR(calcDistance2(a, reference), 500.0, 1.0);
    EXPECT_NEAR(calcBearing2(a, b), 90.0, 0.1);
}

TEST(AirportNames, InsertedUnderIdentNameAndLongerWords) {
    AirportElement airport;
    airport.ident = "CYVR", airport.name = "Vancouver Intl (Sea-Island) A";
    const std::vector<std::string> expected = {"CYVR", airport.name, "Vancouver", "Intl", "Sea", "Island"};
    EXPECT_EQ(airport.recalculateInsertionNames(), expected);
}

TEST(ElementTexts, FrequenciesAndLabels) {
    const AirportElement airport = makeSampleAirport();
    const std::vector<std::wstring> com = {L"TWR 118.700", L"TWR 119.550", L"ATIS 124.600"};
    EXPECT_EQ(airport.getComFrequencies(), com);
    EXPECT_EQ(airport.getNavFrequencies().at(0), L"ILS 08R 111.550");
    EXPECT_EQ(makeSampleVOR().getNavFrequencies().at(0), L"YVR 115.900");
    EXPECT_EQ(makeSampleNDB().getNavFrequencies().at(0), L"ZVR 368 kHz");
    EXPECT_EQ(AirspaceElement::formatLimit(0, AirspaceElement::AGL), L"GND");
    EXPECT_EQ(AirspaceElement::formatLimit(19500, AirspaceElement::FL), L"FL195");
    EXPECT_EQ(AirspaceElement::formatLimit(2500, AirspaceElement::MSL), L"2500 ft");
    MarkElement mark;
    mark.name = "<b>";  // element text cannot open markup tags on the description page
    EXPECT_NE(mark.createAML(nullptr, "default").find(L"&lt;b&gt;"), std::wstring::npos);
}

TEST(ElementPositions, RepresentativeAndAreaDefiningPoints) {
    const ChartPosition middle = makeSampleAirway().getPosition();
    EXPECT_NEAR(middle.latitude, 48.65, 1e-9);
    EXPECT_NEAR(middle.longitude, 360.0 - 122.7, 1e-9);  // centre is given in [0, 360)
    const AirspaceElement airspace = makeSampleAirspace();
    EXPECT_EQ(airspace.getAreaDefiningPointCount(), 4);
    EXPECT_EQ(airspace.getNorthWest().latitude, 49.4);
    EXPECT_EQ(airspace.getSouthEast().longitude, -122.8);
}

TEST(ElementDuplicates, SameIdentNearbyMergesUsage) {
    NDBElement a = makeSampleNDB(), b = makeSampleNDB(), expected = makeSampleNDB();
    b.position.latitude += 0.005;  // about 550 m
    b.highAltUsage = expected.highAltUsage = true, b.name.clear();
    EXPECT_TRUE(a.equals(&b));
    a.merge(&b);
    EXPECT_EQ(fieldsOf(a), fieldsOf(expected));
    b.position.latitude += 0.5;
    EXPECT_FALSE(a.equals(&b));
}
