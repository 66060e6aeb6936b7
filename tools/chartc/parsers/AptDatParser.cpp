#include "parsers/AptDatParser.h"

#include "base/Units.h"
#include "chart/elements/AirportElement.h"
#include "geo/Angles.h"
#include "geo/Geodesy.h"
#include "chart/elements/GroundGeometryElement.h"
#include "parsers/FrequencyService.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace {

enum RowCode {
    OLD_RUNWAY_ROW = 10, AIRPORT_ROW = 1, TOWER_ROW = 14, SEAPLANE_BASE_ROW = 16, HELIPORT_ROW = 17,
    LAND_RUNWAY_ROW = 100, WATER_RUNWAY_ROW = 101, HELIPAD_ROW = 102, PAVEMENT_ROW = 110, LINEAR_FEATURE_ROW = 120,
    BOUNDARY_ROW = 130, NODE_ROW = 111, BEZIER_NODE_ROW = 112, CLOSE_NODE_ROW = 113, BEZIER_CLOSE_NODE_ROW = 114,
    END_NODE_ROW = 115, BEZIER_END_NODE_ROW = 116, FIRST_FREQUENCY_ROW = 50, LAST_FREQUENCY_ROW = 56,
    // The same services with the frequency in kHz, so that 8.33 kHz
    // channels can be given (1100 format and later).
    FIRST_KHZ_FREQUENCY_ROW = 1050, LAST_KHZ_FREQUENCY_ROW = 1056, TRAFFIC_PATTERN_ROW = 1101
};

const char* const SERVICE_NAMES[] = {"ATIS", "UNICOM", "DEL", "GND", "TWR", "APP", "DEP"};

// Rows the chart has no use for, known so that anything else can be
// reported: start positions (15, 1300, 1301), beacons, windsocks, signs and
// lights (18-21), metadata (1302), traffic flows (1000-1004, 1100, 1110),
// taxi routing (1200-1206) and truck parking (1400, 1401).
bool isUnusedRow(long code) {
    switch (code) {
    case 15: case 18: case 19: case 20: case 21: case 1000: case 1001: case 1002: case 1003: case 1004: case 1100:
    case 1110: case 1200: case 1201: case 1202: case 1204: case 1205: case 1206: case 1300: case 1301: case 1302:
    case 1400: case 1401:
        return true;
    default:
        return false;
    }
}
constexpr int TRAFFIC_PATTERN_HEIGHT_FT = 1000;
// The Dead Sea shore to the highest airfields, with room to spare.
constexpr long MIN_ELEVATION_FT = -2000;
constexpr long MAX_ELEVATION_FT = 30000;
constexpr int BEZIER_STEPS = 8;

uint32_t surfaceFromCode(long code) {
    switch (code) {
    case 1: case 2: return Runway::SOLID;  // asphalt, concrete
    case 3: case 4: case 5: case 12: return Runway::GRASS;  // turf, dirt, gravel, dry lakebed
    case 13: return Runway::WATER;
    default: return (code >= 20 && code <= 57) ? Runway::SOLID : Runway::UNKNOWN_SURFACE;  // newer paving codes
    }
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The open data mark private fields only in their names, in several
// spellings: "Adams - Private", "Avoca (Private)", "Arty Hearns Pvt Strip",
// "Cloonty (PVT)", "... - Privat". Whole words only: "Privateer Field" is no private field.
bool namesPrivateUse(const std::string& lowerCaseName) {
    std::string word;
    for (size_t i = 0; i <= lowerCaseName.size(); ++i) {
        const unsigned char c = i < lowerCaseName.size() ? lowerCaseName[i] : ' ';
        if (std::isalnum(c)) {
            word.push_back(static_cast<char>(c));
            continue;
        }
        if (word == "private" || word == "privat" || word == "pvt")
            return true;
        word.clear();
    }
    return false;
}

bool startsWith(const std::string& text, const char* prefix) { return text.compare(0, std::strlen(prefix), prefix) == 0; }

struct PavementNode {
    ChartPosition position;
    ChartPosition control;
    bool hasControl = false;
};

// Adds the points of the segment from a up to (not including) b, sampling
// the curve when either end carries a control point. A control point
// shapes the curve leaving its node and, mirrored, the curve arriving.
void appendSegment(std::vector<ChartPosition>& out, const PavementNode& a, const PavementNode& b) {
    out.push_back(a.position);
    if (!a.hasControl && !b.hasControl)
        return;
    const ChartPosition p0 = a.position, p3 = b.position;
    const ChartPosition p1 = a.hasControl ? a.control : a.position;
    const ChartPosition p2 = b.hasControl ? ChartPosition(2 * b.position.longitude - b.control.longitude,
                                                          2 * b.position.latitude - b.control.latitude)
                                          : b.position;
    for (int step = 1; step < BEZIER_STEPS; ++step) {
        const double t = static_cast<double>(step) / BEZIER_STEPS, u = 1.0 - t;
        const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
        out.emplace_back(w0 * p0.longitude + w1 * p1.longitude + w2 * p2.longitude + w3 * p3.longitude,
                         w0 * p0.latitude + w1 * p1.latitude + w2 * p2.latitude + w3 * p3.latitude);
    }
}

class AptDatReader {
public:
    AptDatReader(LineSource& source, ParsedElements& out) : source(source), out(out) {}
    void run();

private:
    void handleRecord(long code, const LineTokens& tokens);
    void startAirport(long code, const LineTokens& tokens);
    void finishAirport();
    void addLandRunway(const LineTokens& tokens);
    void addWaterRunway(const LineTokens& tokens);
    void addHelipad(const LineTokens& tokens);
    void addOldRow(const LineTokens& tokens);
    void addFrequency(long code, const LineTokens& tokens);
    void addFrequencyValue(const std::string& service, uint32_t megahertz, uint32_t kilohertz);
    void setTrafficPattern(const LineTokens& tokens);
    void addNode(long code, const LineTokens& tokens);
    void finishRing(bool closed);
    bool readPosition(const LineTokens& tokens, size_t index, ChartPosition& position);
    void addPavement(const std::vector<ChartPosition>& outline, const std::string& name, uint8_t kind);
    ChartPosition referencePoint() const;

    LineSource& source;
    ParsedElements& out;
    std::unique_ptr<AirportElement> airport;
    unsigned airportLine = 0;
    bool skippingAirport = false;
    std::vector<std::unique_ptr<GroundGeometryElement>> pavements;
    std::vector<ChartPosition> fallbackPositions;  // helipads, tower, pavement
    // The feature whose nodes are being read: only the first ring (the
    // outline) of a pavement is kept; holes and painted lines are skipped.
    bool inPavement = false;
    bool outlineDone = false;
    std::string pavementName;
    unsigned pavementLine = 0;
    std::vector<PavementNode> ring;
};

void AptDatReader::run() {
    forEachXPlaneRow(source, [this](long code, const LineTokens& tokens) { handleRecord(code, tokens); });
    finishAirport();
}

void AptDatReader::handleRecord(long code, const LineTokens& tokens) {
    if (code == AIRPORT_ROW || code == SEAPLANE_BASE_ROW || code == HELIPORT_ROW) {
        startAirport(code, tokens);
        return;
    }
    if (skippingAirport)
        return;
    if (!airport) {
        source.report("record outside of an airport");
        return;
    }
    switch (code) {
    case LAND_RUNWAY_ROW: addLandRunway(tokens); break;
    case WATER_RUNWAY_ROW: addWaterRunway(tokens); break;
    case HELIPAD_ROW: addHelipad(tokens); break;
    case OLD_RUNWAY_ROW: addOldRow(tokens); break;
    case TRAFFIC_PATTERN_ROW: setTrafficPattern(tokens); break;
    case TOWER_ROW: {
        ChartPosition position;
        if (readPosition(tokens, 1, position))
            fallbackPositions.push_back(position);
        break;
    }
    case PAVEMENT_ROW:
        inPavement = true;
        outlineDone = false;
        pavementName = toUtf8Text(tokens.rest(4));
        pavementLine = source.lineNumber();
        ring.clear();
        break;
    case LINEAR_FEATURE_ROW:
    case BOUNDARY_ROW:
        inPavement = false;
        ring.clear();
        break;
    case NODE_ROW: case BEZIER_NODE_ROW: case CLOSE_NODE_ROW: case BEZIER_CLOSE_NODE_ROW: case END_NODE_ROW:
    case BEZIER_END_NODE_ROW:
        addNode(code, tokens);
        break;
    default:
        if ((code >= FIRST_FREQUENCY_ROW && code <= LAST_FREQUENCY_ROW) ||
            (code >= FIRST_KHZ_FREQUENCY_ROW && code <= LAST_KHZ_FREQUENCY_ROW))
            addFrequency(code, tokens);
        else if (!isUnusedRow(code))
            source.report("unknown row code " + std::to_string(code) + " skipped");
        break;
    }
}

bool AptDatReader::readPosition(const LineTokens& tokens, size_t index, ChartPosition& position) {
    double latitude = 0, longitude = 0;
    if (!tokens.getDouble(index, latitude) || !tokens.getDouble(index + 1, longitude) ||
        !isValidPosition(latitude, longitude)) {
        source.report("bad position");
        return false;
    }
    position = ChartPosition(longitude, latitude);
    return true;
}

void AptDatReader::startAirport(long code, const LineTokens& tokens) {
    finishAirport();
    long elevation = 0;
    if (tokens.size() < 5 || !tokens.getInt(1, elevation)) {
        source.report("expected 'code elevation tower deprecated ident name'");
        skippingAirport = true;
        return;
    }
    if (elevation < MIN_ELEVATION_FT || elevation > MAX_ELEVATION_FT) {
        source.report("airport elevation out of range");
        skippingAirport = true;
        return;
    }
    skippingAirport = false;
    airport = std::make_unique<AirportElement>();
    airportLine = source.lineNumber();
    airport->elevation = static_cast<int32_t>(elevation);
    airport->trafficPatternAltitude = static_cast<int32_t>(elevation) + TRAFFIC_PATTERN_HEIGHT_FT;
    airport->ident = toUtf8Text(tokens[4]);
    std::string name = toUtf8Text(tokens.rest(5));
    // Markers the data put in front of names.
    for (bool found = true; found;) {
        found = false;
        for (const char* marker : {"[X]", "[H]", "[MIL]", "[S]"}) {
            if (!startsWith(name, marker))
                continue;
            airport->closed = airport->closed || marker[1] == 'X';
            airport->heliport = airport->heliport || marker[1] == 'H';
            airport->military = airport->military || marker[1] == 'M';
            const size_t rest = name.find_first_not_of(' ', std::strlen(marker));
            name = rest == std::string::npos ? std::string() : name.substr(rest);
            found = true;
        }
    }
    airport->name = name;
    airport->heliport = airport->heliport || code == HELIPORT_ROW;
    const std::string lower = lowerCase(name);
    airport->glider = lower.find("glider") != std::string::npos;
    airport->military = airport->military || lower.find(" afb") != std::string::npos ||
                        lower.find("naval air") != std::string::npos || lower.find(" cfb") != std::string::npos;
    airport->privateUse = namesPrivateUse(lower);
}

ChartPosition AptDatReader::referencePoint() const {
    // The middle of all runway thresholds, computed in offsets from the first
    // one so that airports on the date line do not average to longitude 0.
    std::vector<ChartPosition> points;
    for (const Runway& runway : airport->runways)
        for (int end = 0; end < 2; ++end)
            if (runway.thresholdValid[end])
                points.push_back(runway.threshold[end]);
    if (points.empty())
        points = fallbackPositions;
    if (points.empty())
        return ChartPosition(-999.0, -999.0);
    const ChartPosition first = points.front();
    double dLon = 0, dLat = 0;
    for (const ChartPosition& point : points) {
        dLon += Angle180(point.longitude - first.longitude);
        dLat += point.latitude - first.latitude;
    }
    return ChartPosition(Angle180(first.longitude + dLon / points.size()), first.latitude + dLat / points.size());
}

void AptDatReader::finishAirport() {
    if (!airport)
        return;
    if (!ring.empty())
        finishRing(false);
    const ChartPosition reference = referencePoint();
    if (reference.latitude < -90.0) {
        source.report(airportLine, "airport " + airport->ident + " has no runway, helipad or tower position");
    } else {
        airport->position = reference;
        out.push_back(std::move(airport));
        for (auto& pavement : pavements)
            out.push_back(std::move(pavement));
    }
    airport.reset();
    pavements.clear();
    fallbackPositions.clear();
    inPavement = false;
    ring.clear();
}

void AptDatReader::addLandRunway(const LineTokens& tokens) {
    double widthMetres = 0;
    long surface = 0, edgeLights = 0;
    if (tokens.size() < 26 || !tokens.getDouble(1, widthMetres) || !tokens.getInt(2, surface) ||
        !tokens.getInt(6, edgeLights)) {
        source.report("expected a land runway with two ends");
        return;
    }
    ChartPosition ends[2];
    double displaced[2] = {0, 0};
    for (int end = 0; end < 2; ++end) {
        const size_t base = 8 + end * 9;
        if (!readPosition(tokens, base + 1, ends[end]))
            return;
        if (!tokens.getDouble(base + 3, displaced[end])) {
            source.report("bad displaced threshold");
            return;
        }
    }
    Runway runway;
    runway.surface = surfaceFromCode(surface);
    runway.width = static_cast<int32_t>(std::lround(widthMetres / units::kMetresPerFoot));
    runway.lighting = static_cast<uint8_t>(std::clamp(edgeLights, 0L, 255L));
    runway.length = static_cast<int32_t>(std::lround(calcDistance2(ends[0], ends[1]) / units::kMetresPerFoot));
    runway.direction = static_cast<int32_t>(std::lround(calcBearing2(ends[0], ends[1]))) % 360;
    for (int end = 0; end < 2; ++end) {
        runway.endName[end] = toUtf8Text(tokens[8 + end * 9]);
        runway.threshold[end] = displaced[end] > 0.0
                                    ? positionAt(ends[end], calcBearing2(ends[end], ends[1 - end]),
                                                                 displaced[end])
                                    : ends[end];
        runway.thresholdValid[end] = true;
    }
    runway.checkPlausibility();
    airport->runways.push_back(runway);
}

void AptDatReader::addWaterRunway(const LineTokens& tokens) {
    double widthMetres = 0;
    ChartPosition ends[2];
    if (tokens.size() < 9 || !tokens.getDouble(1, widthMetres)) {
        source.report("expected a water runway with two ends");
        return;
    }
    if (!readPosition(tokens, 4, ends[0]) || !readPosition(tokens, 7, ends[1]))
        return;
    Runway runway;
    runway.surface = Runway::WATER;
    runway.width = static_cast<int32_t>(std::lround(widthMetres / units::kMetresPerFoot));
    runway.length = static_cast<int32_t>(std::lround(calcDistance2(ends[0], ends[1]) / units::kMetresPerFoot));
    runway.direction = static_cast<int32_t>(std::lround(calcBearing2(ends[0], ends[1]))) % 360;
    runway.endName[0] = toUtf8Text(tokens[3]);
    runway.endName[1] = toUtf8Text(tokens[6]);
    for (int end = 0; end < 2; ++end) {
        runway.threshold[end] = ends[end];
        runway.thresholdValid[end] = true;
    }
    runway.checkPlausibility();
    airport->runways.push_back(runway);
}

void AptDatReader::addHelipad(const LineTokens& tokens) {
    ChartPosition position;
    double heading = 0, lengthMetres = 0, widthMetres = 0;
    long surface = 0;
    if (tokens.size() < 8 || !tokens.getDouble(4, heading) || !tokens.getDouble(5, lengthMetres) ||
        !tokens.getDouble(6, widthMetres) || !tokens.getInt(7, surface)) {
        source.report("expected 'helipad name lat lon heading length width surface'");
        return;
    }
    if (!readPosition(tokens, 2, position))
        return;
    fallbackPositions.push_back(position);
    // Only a heliport's pads are its runways; at an airport they would be
    // drawn as tiny runways next to the real ones.
    if (!airport->heliport)
        return;
    Runway pad;
    pad.surface = surfaceFromCode(surface);
    pad.length = static_cast<int32_t>(std::lround(lengthMetres / units::kMetresPerFoot));
    pad.width = static_cast<int32_t>(std::lround(widthMetres / units::kMetresPerFoot));
    pad.direction = static_cast<int32_t>(std::lround(Angle0to360(heading))) % 360;
    pad.endName[0] = toUtf8Text(tokens[1]);
    pad.threshold[0] = position;
    pad.thresholdValid[0] = true;
    airport->runways.push_back(pad);
}

// The rectangles of the older format: a centre, a heading, a length and a
// width in feet. Designator "xxx" marks a taxiway; anything else a runway.
void AptDatReader::addOldRow(const LineTokens& tokens) {
    ChartPosition centre;
    double heading = 0;
    long lengthFeet = 0, widthFeet = 0, surface = 0;
    if (tokens.size() < 11 || !tokens.getDouble(4, heading) || !tokens.getInt(5, lengthFeet) ||
        !tokens.getInt(8, widthFeet) || !tokens.getInt(10, surface)) {
        source.report("expected 'lat lon designator heading length thresholds width lights surface'");
        return;
    }
    if (!readPosition(tokens, 1, centre))
        return;
    const double halfLength = lengthFeet * units::kMetresPerFoot / 2.0;
    const double halfWidth = widthFeet * units::kMetresPerFoot / 2.0;
    const ChartPosition end0 = positionAt(centre, Angle0to360(heading + 180.0), halfLength);
    const ChartPosition end1 = positionAt(centre, heading, halfLength);
    if (tokens[3] != "xxx") {
        Runway runway;
        runway.surface = surfaceFromCode(surface);
        runway.length = static_cast<int32_t>(lengthFeet);
        runway.width = static_cast<int32_t>(widthFeet);
        runway.direction = static_cast<int32_t>(std::lround(Angle0to360(heading))) % 360;
        runway.endName[0] = tokens[3];
        runway.threshold[0] = end0;
        runway.threshold[1] = end1;
        runway.thresholdValid[0] = runway.thresholdValid[1] = true;
        airport->runways.push_back(runway);
        return;
    }
    std::vector<ChartPosition> outline = {
        positionAt(end0, Angle0to360(heading - 90.0), halfWidth),
        positionAt(end1, Angle0to360(heading - 90.0), halfWidth),
        positionAt(end1, Angle0to360(heading + 90.0), halfWidth),
        positionAt(end0, Angle0to360(heading + 90.0), halfWidth)};
    addPavement(outline, "Taxiway", GroundGeometryElement::TAXIWAY);
}

void AptDatReader::addFrequency(long code, const LineTokens& tokens) {
    const bool inKHz = code >= FIRST_KHZ_FREQUENCY_ROW;
    long value = 0;
    uint32_t mhz = 0, khz = 0;
    if (inKHz) {
        if (!tokens.getInt(1, value) || value < 100000 || value > 999999) {
            source.report("expected a frequency in kHz");
            return;
        }
        mhz = static_cast<uint32_t>(value / 1000);
        khz = static_cast<uint32_t>(value % 1000);
    } else {
        if (!tokens.getInt(1, value) || value < 10000 || value > 99999) {
            source.report("expected a frequency in units of 10 kHz");
            return;
        }
        splitFrequency10kHz(value, mhz, khz);
    }
    const long row = code - (inKHz ? FIRST_KHZ_FREQUENCY_ROW : FIRST_FREQUENCY_ROW);
    const FrequencyService service = classifyFrequencyService(SERVICE_NAMES[row], toUtf8Text(tokens.rest(2)));
    addFrequencyValue(service.label, mhz, khz);
    airport->towered = airport->towered || service.tower;
}

// Files of the 1100 format often give each frequency twice, in the old
// 10 kHz row and in the kHz row; a service lists each value once.
void AptDatReader::addFrequencyValue(const std::string& service, uint32_t megahertz, uint32_t kilohertz) {
    for (const AirportFrequency& frequency : airport->frequencies)
        if (frequency.service == service &&
            std::find(frequency.values.begin(), frequency.values.end(), std::make_pair(megahertz, kilohertz)) !=
                frequency.values.end())
            return;
    airport->addFrequency(service, megahertz, kilohertz);
}

void AptDatReader::setTrafficPattern(const LineTokens& tokens) {
    const std::string side = tokens[2];
    if (tokens.size() < 3 || (side != "left" && side != "right")) {
        source.report("expected 'runway-end left|right'");
        return;
    }
    for (Runway& runway : airport->runways)
        for (int end = 0; end < 2; ++end)
            if (runway.endName[end] == tokens[1])
                runway.trafficPattern[end] = side == "right" ? Runway::RIGHT_PATTERN : Runway::LEFT_PATTERN;
}

void AptDatReader::addNode(long code, const LineTokens& tokens) {
    if (!inPavement || outlineDone)
        return;
    PavementNode node;
    if (!readPosition(tokens, 1, node.position))
        return;
    const bool bezier = code == BEZIER_NODE_ROW || code == BEZIER_CLOSE_NODE_ROW || code == BEZIER_END_NODE_ROW;
    if (bezier) {
        if (!readPosition(tokens, 3, node.control))
            return;
        node.hasControl = true;
    }
    ring.push_back(node);
    if (code == CLOSE_NODE_ROW || code == BEZIER_CLOSE_NODE_ROW)
        finishRing(true);
    else if (code == END_NODE_ROW || code == BEZIER_END_NODE_ROW)
        finishRing(false);
}

void AptDatReader::finishRing(bool closed) {
    outlineDone = true;
    std::vector<ChartPosition> outline;
    for (size_t i = 0; i < ring.size(); ++i) {
        if (i + 1 < ring.size())
            appendSegment(outline, ring[i], ring[i + 1]);
        else if (closed)
            appendSegment(outline, ring[i], ring[0]);
        else
            outline.push_back(ring[i].position);
    }
    ring.clear();
    if (outline.size() < 3) {
        source.report(pavementLine, "pavement outline with fewer than three nodes");
        return;
    }
    const std::string lower = lowerCase(pavementName);
    const bool apron = lower.find("apron") != std::string::npos || lower.find("ramp") != std::string::npos ||
                       lower.find("parking") != std::string::npos;
    addPavement(outline, pavementName, apron ? GroundGeometryElement::APRON : GroundGeometryElement::TAXIWAY);
}

void AptDatReader::addPavement(const std::vector<ChartPosition>& outline, const std::string& name, uint8_t kind) {
    fallbackPositions.push_back(outline.front());
    auto pavement = std::make_unique<GroundGeometryElement>();
    pavement->kind = kind;
    pavement->geometryType = GroundGeometryElement::AREA;
    pavement->altitude = static_cast<uint16_t>(std::clamp<int32_t>(airport->elevation, 0, 65535));
    pavement->points = outline;
    pavement->setStoredArea(calcPolyLineArea(outline));
    pavement->name = name;
    pavement->description = airport->ident;
    pavement->updateBoundingBox();
    pavements.push_back(std::move(pavement));
}

}  // namespace

ParsedElements parseAptDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    AptDatReader reader(source, elements);
    reader.run();
    return elements;
}
