#include "ElementSamples.h"

#include <sstream>

// Every field differs from its default and from its neighbours, so a swapped
// pair of fields shows up as a mismatch.

AirportElement makeSampleAirport() {
    AirportElement a;
    a.position = ChartPosition(-123.184, 49.1939);
    a.remarks = "Customs available", a.ident = "CYVR", a.name = "Vancouver Intl", a.fuel = "100LL, JET A-1";
    a.addFrequency("TWR", 118, 700), a.addFrequency("TWR", 119, 550), a.addFrequency("ATIS", 124, 600);
    a.heliport = a.glider = a.towered = true;
    a.elevation = 14, a.trafficPatternAltitude = 1014, a.accuracy = 2;
    Runway r;
    r.surface = Runway::SOLID, r.length = 11500, r.width = 200, r.direction = 98, r.lighting = 3;
    r.trafficPattern[1] = Runway::RIGHT_PATTERN;
    r.threshold[0] = ChartPosition(-123.2000, 49.2000), r.threshold[1] = ChartPosition(-123.1500, 49.1950);
    r.elevation[0] = 9, r.elevation[1] = 13, r.slope[0] = -1, r.slope[1] = 2;
    r.thresholdValid[0] = r.elevationValid[0] = r.slopeValid[0] = r.slopeValid[1] = true;
    r.endName[0] = "08R", r.endName[1] = "26L";
    r.approaches[0] = {{"ILS", 111, 550}}, r.approaches[1] = {{"ILS", 109, 500}, {"LOC", 110, 300}};
    r.inaccurate = true;
    Runway grass;
    grass.surface = Runway::GRASS, grass.length = 1500, grass.endName[0] = "13", grass.endName[1] = "31";
    a.runways = {r, grass};
    return a;
}

AirspaceElement makeSampleAirspace() {
    AirspaceElement a;
    a.excluded = true, a.topReference = AirspaceElement::FL, a.bottomReference = AirspaceElement::AGL;
    a.top = 12500, a.bottom = 700;
    a.airspaceClass = "TRA", a.name = "Vancouver TCA", a.remarks = "Active 0700-2300";
    a.points = {{-123.5, 49.0}, {-122.8, 49.0}, {-122.8, 49.4}, {-123.5, 49.4}};
    a.updateBoundingBox();
    return a;
}

AirwayElement makeSampleAirway() {
    AirwayElement a;
    a.start = ChartPosition(-123.1, 49.1), a.end = ChartPosition(-122.3, 48.2);
    a.oneDirection = true, a.name = "V23", a.remarks = "Low";
    a.mea = 7000, a.meaAvail = true, a.moca = 5100, a.mocaAvail = false, a.maa = 17500, a.maaAvail = true;
    a.highAltUsage = false, a.lowAltUsage = true;
    return a;
}

static ObstructionElement makeSampleObstruction() {
    ObstructionElement o;
    o.position = ChartPosition(-122.9, 49.3), o.group = o.knownLighting = true, o.accuratePosition = false;
    o.heightAGL = 420, o.topMSL = 1390, o.remarks = "Mast";
    return o;
}

WaypointElement makeSampleWaypoint() {
    WaypointElement w;
    w.position = ChartPosition(-123.4, 48.7), w.ident = "ACTIV", w.remarks = "Reporting";
    w.highAltUsage = w.usedByAirways = w.rp = true, w.lowAltUsage = w.pub = false;
    return w;
}

MarkElement makeSampleMark() {
    MarkElement m;
    m.position = ChartPosition(-124.05, 49.55), m.name = "Fuel stop", m.remarks = "Café open weekends";
    return m;
}

NDBElement makeSampleNDB() {
    NDBElement n;
    n.position = ChartPosition(-123.21972222, 49.19138889), n.frequency = 368, n.ident = "ZVR";
    n.name = "SEA ISLAND", n.remarks = "H";
    n.highAltUsage = false, n.lowAltUsage = n.usedByAirways = true, n.magneticVariation = 17.5f;
    return n;
}

VORElement makeSampleVOR() {
    VORElement v;
    v.position = ChartPosition(-123.15, 49.08), v.frequencyMHz = 115, v.frequencyKHz = 900;
    v.ident = "YVR", v.name = "VANCOUVER", v.fss = "Kamloops", v.remarks = "Restricted 270-300";
    v.vorType = VORElement::VORTAC, v.tacanChannel = "106X";
    v.highAltUsage = v.usedByAirways = true, v.lowAltUsage = false, v.magneticVariation = -19.25f;
    return v;
}

GroundGeometryElement makeSampleGroundGeometry() {
    GroundGeometryElement g;
    g.kind = GroundGeometryElement::APRON, g.geometryType = GroundGeometryElement::AREA, g.altitude = 15;
    g.additionalData = (uint64_t(7) << 40) | 13, g.maxWeight = 45000, g.maxWeightPerTire = 6000;
    g.points = {{-123.180, 49.190}, {-123.178, 49.190}, {-123.178, 49.191}};
    g.name = "Apron 3", g.description = "Cargo";
    g.updateBoundingBox();
    return g;
}

POIElement makeSamplePOI() {
    POIElement p;
    p.poiType = POIElement::PEAK, p.name = "Mount Baker", p.altitude = 10781;
    p.position = ChartPosition(-121.8144, 48.7768);
    return p;
}

template <class... Kinds>
static std::vector<std::unique_ptr<IChartElement>> samplesOf(Kinds... kinds) {
    std::vector<std::unique_ptr<IChartElement>> all;
    (all.emplace_back(new Kinds(std::move(kinds))), ...);
    return all;
}

std::vector<std::unique_ptr<IChartElement>> makeAllSamples() {
    return samplesOf(makeSampleAirspace(), makeSampleAirway(), makeSampleObstruction(), makeSampleWaypoint(),
                     makeSampleMark(), makeSampleNDB(), makeSampleVOR(), makeSampleAirport(),
                     makeSampleGroundGeometry(), makeSamplePOI());
}

template <class... Kinds>
static std::string fieldsOfKind(const IChartElement& element) {
    std::string text;
    auto tryKind = [&](const auto* kind) {
        if ((kind = dynamic_cast<decltype(kind)>(&element)))
            text = recordText(static_cast<uint32_t>(element.getType()), *kind);
    };
    (tryKind(static_cast<const Kinds*>(nullptr)), ...);
    EXPECT_FALSE(text.empty()) << "no field list for element type " << element.getType();
    return text;
}

std::string fieldsOf(const IChartElement& element) {
    return fieldsOfKind<AirspaceElement, AirwayElement, ObstructionElement, WaypointElement, MarkElement, NDBElement,
                        VORElement, AirportElement, GroundGeometryElement, POIElement>(element);
}

std::string recordOf(const IChartElement& element) {
    std::ostringstream out;
    element.write(out);
    return out.str();
}
