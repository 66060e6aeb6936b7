#include "ElementSamples.h"

// The values are chosen so that every field differs from its default and
// neighbouring fields differ from each other: a swapped pair of fields in
// a writer or a reader shows up as a mismatch.

AirportElement makeSampleAirport() {
    AirportElement a;
    a.position = ChartPosition(-123.184, 49.1939);
    a.remarks = "Customs available";
    a.elevation = 14;
    a.ident = "CYVR";
    a.name = "Vancouver Intl";
    a.fuel = "100LL, JET A-1";
    a.addFrequency("TWR", 118, 700);
    a.addFrequency("TWR", 119, 550);
    a.addFrequency("ATIS", 124, 600);
    a.closed = false;
    a.heliport = true;
    a.privateUse = false;
    a.glider = true;
    a.towered = true;
    a.military = false;
    a.trafficPatternAltitude = 1014;
    a.accuracy = 2;
    Runway r;
    r.surface = Runway::SOLID;
    r.length = 11500;
    r.width = 200;
    r.direction = 98;
    r.trafficPattern[0] = Runway::LEFT_PATTERN;
    r.trafficPattern[1] = Runway::RIGHT_PATTERN;
    r.lighting = 3;
    r.threshold[0] = ChartPosition(-123.2000, 49.2000);
    r.thresholdValid[0] = true;
    r.threshold[1] = ChartPosition(-123.1500, 49.1950);
    r.thresholdValid[1] = false;
    r.elevation[0] = 9;
    r.elevationValid[0] = true;
    r.elevation[1] = 13;
    r.elevationValid[1] = false;
    r.slope[0] = -1;
    r.slopeValid[0] = true;
    r.slope[1] = 2;
    r.slopeValid[1] = true;
    r.endName[0] = "08R";
    r.endName[1] = "26L";
    r.approaches[0] = {{"ILS", 111, 550}};
    r.approaches[1] = {{"ILS", 109, 500}, {"LOC", 110, 300}};
    r.inaccurate = true;
    a.runways.push_back(r);
    Runway grass;
    grass.surface = Runway::GRASS;
    grass.length = 1500;
    grass.endName[0] = "13";
    grass.endName[1] = "31";
    a.runways.push_back(grass);
    return a;
}

AirspaceElement makeSampleAirspace() {
    AirspaceElement a;
    a.excluded = true;
    a.topReference = AirspaceElement::FL;
    a.bottomReference = AirspaceElement::AGL;
    a.top = 12500;
    a.bottom = 700;
    a.airspaceClass = "TRA";
    a.name = "Vancouver TCA";
    a.remarks = "Active 0700-2300";
    a.points = {{-123.5, 49.0}, {-122.8, 49.0}, {-122.8, 49.4}, {-123.5, 49.4}};
    a.updateBoundingBox();
    return a;
}

AirwayElement makeSampleAirway() {
    AirwayElement a;
    a.start = ChartPosition(-123.1, 49.1);
    a.end = ChartPosition(-122.3, 48.2);
    a.oneDirection = true;
    a.name = "V23";
    a.remarks = "Low";
    a.mea = 7000;
    a.meaAvail = true;
    a.moca = 5100;
    a.mocaAvail = false;
    a.maa = 17500;
    a.maaAvail = true;
    a.highAltUsage = false;
    a.lowAltUsage = true;
    return a;
}

ObstructionElement makeSampleObstruction() {
    ObstructionElement o;
    o.position = ChartPosition(-122.9, 49.3);
    o.group = true;
    o.heightAGL = 420;
    o.topMSL = 1390;
    o.knownLighting = true;
    o.accuratePosition = false;
    o.remarks = "Mast";
    return o;
}

WaypointElement makeSampleWaypoint() {
    WaypointElement w;
    w.position = ChartPosition(-123.4, 48.7);
    w.ident = "ACTIV";
    w.remarks = "Reporting";
    w.highAltUsage = true;
    w.lowAltUsage = false;
    w.usedByAirways = true;
    w.pub = false;
    w.rp = true;
    return w;
}

MarkElement makeSampleMark() {
    MarkElement m;
    m.position = ChartPosition(-124.05, 49.55);
    m.name = "Fuel stop";
    m.remarks = "Café open weekends";
    return m;
}

NDBElement makeSampleNDB() {
    NDBElement n;
    n.position = ChartPosition(-123.21972222, 49.19138889);
    n.frequency = 368;
    n.ident = "ZVR";
    n.name = "SEA ISLAND";
    n.remarks = "H";
    n.highAltUsage = false;
    n.lowAltUsage = true;
    n.usedByAirways = true;
    n.magneticVariation = 17.5f;
    return n;
}

VORElement makeSampleVOR() {
    VORElement v;
    v.position = ChartPosition(-123.15, 49.08);
    v.frequencyMHz = 115;
    v.frequencyKHz = 900;
    v.ident = "YVR";
    v.name = "VANCOUVER";
    v.fss = "Kamloops";
    v.remarks = "Restricted 270-300";
    v.vorType = VORElement::VORTAC;
    v.tacanChannel = "106X";
    v.highAltUsage = true;
    v.lowAltUsage = false;
    v.usedByAirways = true;
    v.magneticVariation = -19.25f;
    return v;
}

GroundGeometryElement makeSampleGroundGeometry() {
    GroundGeometryElement g;
    g.kind = GroundGeometryElement::APRON;
    g.geometryType = GroundGeometryElement::AREA;
    g.altitude = 15;
    g.additionalData = (uint64_t(7) << 40) | 13;
    g.maxWeight = 45000;
    g.maxWeightPerTire = 6000;
    g.points = {{-123.180, 49.190}, {-123.178, 49.190}, {-123.178, 49.191}};
    g.name = "Apron 3";
    g.description = "Cargo";
    g.updateBoundingBox();
    return g;
}

POIElement makeSamplePOI() {
    POIElement p;
    p.poiType = POIElement::PEAK;
    p.name = "Mount Baker";
    p.position = ChartPosition(-121.8144, 48.7768);
    p.altitude = 10781;
    return p;
}

std::string recordOf(const IChartElement& element) {
    std::ostringstream out;
    element.write(out);
    return out.str();
}

namespace {

void expectSamePosition(const ChartPosition& e, const ChartPosition& a) {
    EXPECT_EQ(e.longitude, a.longitude);
    EXPECT_EQ(e.latitude, a.latitude);
}

void expectSamePoints(const std::vector<ChartPosition>& e, const std::vector<ChartPosition>& a) {
    ASSERT_EQ(e.size(), a.size());
    for (size_t i = 0; i < e.size(); ++i)
        expectSamePosition(e[i], a[i]);
}

void expectSameRunway(const Runway& e, const Runway& a) {
    EXPECT_EQ(e.surface, a.surface);
    EXPECT_EQ(e.length, a.length);
    EXPECT_EQ(e.width, a.width);
    EXPECT_EQ(e.direction, a.direction);
    EXPECT_EQ(e.lighting, a.lighting);
    EXPECT_EQ(e.inaccurate, a.inaccurate);
    for (int end = 0; end < 2; ++end) {
        SCOPED_TRACE(end);
        EXPECT_EQ(e.trafficPattern[end], a.trafficPattern[end]);
        EXPECT_EQ(e.thresholdValid[end], a.thresholdValid[end]);
        if (e.thresholdValid[end])
            expectSamePosition(e.threshold[end], a.threshold[end]);
        EXPECT_EQ(e.elevationValid[end], a.elevationValid[end]);
        if (e.elevationValid[end]) {
            EXPECT_EQ(e.elevation[end], a.elevation[end]);
        }
        EXPECT_EQ(e.slopeValid[end], a.slopeValid[end]);
        if (e.slopeValid[end]) {
            EXPECT_EQ(e.slope[end], a.slope[end]);
        }
        EXPECT_EQ(e.endName[end], a.endName[end]);
        ASSERT_EQ(e.approaches[end].size(), a.approaches[end].size());
        for (size_t i = 0; i < e.approaches[end].size(); ++i) {
            EXPECT_EQ(e.approaches[end][i].name, a.approaches[end][i].name);
            EXPECT_EQ(e.approaches[end][i].frequencyMHz, a.approaches[end][i].frequencyMHz);
            EXPECT_EQ(e.approaches[end][i].frequencyKHz, a.approaches[end][i].frequencyKHz);
        }
    }
}

void expectSame(const AirportElement& e, const AirportElement& a) {
    expectSamePosition(e.position, a.position);
    EXPECT_EQ(e.remarks, a.remarks);
    ASSERT_EQ(e.runways.size(), a.runways.size());
    for (size_t i = 0; i < e.runways.size(); ++i)
        expectSameRunway(e.runways[i], a.runways[i]);
    EXPECT_EQ(e.elevation, a.elevation);
    EXPECT_EQ(e.ident, a.ident);
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.fuel, a.fuel);
    ASSERT_EQ(e.frequencies.size(), a.frequencies.size());
    for (size_t i = 0; i < e.frequencies.size(); ++i) {
        EXPECT_EQ(e.frequencies[i].service, a.frequencies[i].service);
        EXPECT_EQ(e.frequencies[i].values, a.frequencies[i].values);
    }
    EXPECT_EQ(e.closed, a.closed);
    EXPECT_EQ(e.heliport, a.heliport);
    EXPECT_EQ(e.privateUse, a.privateUse);
    EXPECT_EQ(e.glider, a.glider);
    EXPECT_EQ(e.towered, a.towered);
    EXPECT_EQ(e.military, a.military);
    EXPECT_EQ(e.trafficPatternAltitude, a.trafficPatternAltitude);
    EXPECT_EQ(e.accuracy, a.accuracy);
}

void expectSame(const AirspaceElement& e, const AirspaceElement& a) {
    EXPECT_EQ(e.excluded, a.excluded);
    EXPECT_EQ(e.topReference, a.topReference);
    EXPECT_EQ(e.bottomReference, a.bottomReference);
    EXPECT_EQ(e.top, a.top);
    EXPECT_EQ(e.bottom, a.bottom);
    EXPECT_EQ(e.airspaceClass, a.airspaceClass);
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.remarks, a.remarks);
    expectSamePoints(e.points, a.points);
    EXPECT_EQ(e.hasBoundingBox(), a.hasBoundingBox());
    EXPECT_EQ(e.getBoundingBoxArea(), a.getBoundingBoxArea());
}

void expectSame(const AirwayElement& e, const AirwayElement& a) {
    expectSamePosition(e.start, a.start);
    expectSamePosition(e.end, a.end);
    EXPECT_EQ(e.oneDirection, a.oneDirection);
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.remarks, a.remarks);
    EXPECT_EQ(e.mea, a.mea);
    EXPECT_EQ(e.meaAvail, a.meaAvail);
    EXPECT_EQ(e.moca, a.moca);
    EXPECT_EQ(e.mocaAvail, a.mocaAvail);
    EXPECT_EQ(e.maa, a.maa);
    EXPECT_EQ(e.maaAvail, a.maaAvail);
    EXPECT_EQ(e.highAltUsage, a.highAltUsage);
    EXPECT_EQ(e.lowAltUsage, a.lowAltUsage);
}

void expectSame(const ObstructionElement& e, const ObstructionElement& a) {
    expectSamePosition(e.position, a.position);
    EXPECT_EQ(e.group, a.group);
    EXPECT_EQ(e.heightAGL, a.heightAGL);
    EXPECT_EQ(e.topMSL, a.topMSL);
    EXPECT_EQ(e.knownLighting, a.knownLighting);
    EXPECT_EQ(e.accuratePosition, a.accuratePosition);
    EXPECT_EQ(e.remarks, a.remarks);
}

void expectSame(const WaypointElement& e, const WaypointElement& a) {
    expectSamePosition(e.position, a.position);
    EXPECT_EQ(e.ident, a.ident);
    EXPECT_EQ(e.remarks, a.remarks);
    EXPECT_EQ(e.highAltUsage, a.highAltUsage);
    EXPECT_EQ(e.lowAltUsage, a.lowAltUsage);
    EXPECT_EQ(e.usedByAirways, a.usedByAirways);
    EXPECT_EQ(e.pub, a.pub);
    EXPECT_EQ(e.rp, a.rp);
}

void expectSame(const MarkElement& e, const MarkElement& a) {
    expectSamePosition(e.position, a.position);
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.remarks, a.remarks);
}

void expectSameNavaid(const ANavaidChartElement& e, const ANavaidChartElement& a) {
    expectSamePosition(e.position, a.position);
    EXPECT_EQ(e.ident, a.ident);
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.remarks, a.remarks);
    EXPECT_EQ(e.highAltUsage, a.highAltUsage);
    EXPECT_EQ(e.lowAltUsage, a.lowAltUsage);
    EXPECT_EQ(e.usedByAirways, a.usedByAirways);
    EXPECT_EQ(e.magneticVariation, a.magneticVariation);
}

void expectSame(const NDBElement& e, const NDBElement& a) {
    expectSameNavaid(e, a);
    EXPECT_EQ(e.frequency, a.frequency);
}

void expectSame(const VORElement& e, const VORElement& a) {
    expectSameNavaid(e, a);
    EXPECT_EQ(e.frequencyMHz, a.frequencyMHz);
    EXPECT_EQ(e.frequencyKHz, a.frequencyKHz);
    EXPECT_EQ(e.fss, a.fss);
    EXPECT_EQ(e.vorType, a.vorType);
    EXPECT_EQ(e.tacanChannel, a.tacanChannel);
}

void expectSame(const GroundGeometryElement& e, const GroundGeometryElement& a) {
    EXPECT_EQ(e.kind, a.kind);
    EXPECT_EQ(e.geometryType, a.geometryType);
    EXPECT_EQ(e.altitude, a.altitude);
    EXPECT_EQ(e.additionalData, a.additionalData);
    EXPECT_EQ(e.maxWeight, a.maxWeight);
    EXPECT_EQ(e.maxWeightPerTire, a.maxWeightPerTire);
    expectSamePoints(e.points, a.points);
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.description, a.description);
    EXPECT_EQ(e.getBoundingBoxArea(), a.getBoundingBoxArea());
}

void expectSame(const POIElement& e, const POIElement& a) {
    EXPECT_EQ(e.poiType, a.poiType);
    EXPECT_EQ(e.name, a.name);
    expectSamePosition(e.position, a.position);
    EXPECT_EQ(e.altitude, a.altitude);
}

template <typename T>
void expectSameAs(const IChartElement& e, const IChartElement& a) {
    expectSame(static_cast<const T&>(e), static_cast<const T&>(a));
}

}  // namespace

void expectSameElement(const IChartElement& expected, const IChartElement& actual) {
    ASSERT_EQ(expected.getType(), actual.getType());
    switch (expected.getType()) {
    case IChartElement::AIRSPACE: return expectSameAs<AirspaceElement>(expected, actual);
    case IChartElement::AIRWAY: return expectSameAs<AirwayElement>(expected, actual);
    case IChartElement::OBSTRUCTION: return expectSameAs<ObstructionElement>(expected, actual);
    case IChartElement::WAYPOINT: return expectSameAs<WaypointElement>(expected, actual);
    case IChartElement::MARK: return expectSameAs<MarkElement>(expected, actual);
    case IChartElement::NDB: return expectSameAs<NDBElement>(expected, actual);
    case IChartElement::VOR: return expectSameAs<VORElement>(expected, actual);
    case IChartElement::AIRPORT: return expectSameAs<AirportElement>(expected, actual);
    case IChartElement::GROUNDGEOMETRY: return expectSameAs<GroundGeometryElement>(expected, actual);
    case IChartElement::POI: return expectSameAs<POIElement>(expected, actual);
    default: FAIL() << "unknown type";
    }
}
