#include "parsers/AwyDatParser.h"

#include "chart/elements/AirwayElement.h"
#include "chart/elements/ChartElementBases.h"
#include "geo/Geodesy.h"

#include <map>

namespace {
// Limits are given in hundreds of feet.
constexpr long MAX_LIMIT_HUNDREDS_FT = 999;

// The end points of 1100 segments: fix (11), NDB (2) or VHF navaid (3).
enum PointKind { NDB_POINT = 2, VHF_POINT = 3, FIX_POINT = 11 };

IChartElement::Type elementTypeOf(long kind) {
    switch (kind) {
    case NDB_POINT: return IChartElement::NDB;
    case VHF_POINT: return IChartElement::VOR;
    default: return IChartElement::WAYPOINT;
    }
}

// The fixes and navaids by ident, to place the ends of 1100 segments.
class PointIndex {
public:
    explicit PointIndex(const ParsedElements* points) {
        if (!points)
            return;
        for (const auto& element : *points) {
            const IChartElement::Type type = element->getType();
            if (type == IChartElement::WAYPOINT || type == IChartElement::NDB || type == IChartElement::VOR) {
                const auto* point = static_cast<const AAirwayPointChartElement*>(element.get());
                byIdent.emplace(point->ident, std::make_pair(type, point->position));
            }
        }
    }

    std::vector<ChartPosition> find(const std::string& ident, long kind) const {
        std::vector<ChartPosition> found;
        auto range = byIdent.equal_range(ident);
        for (auto it = range.first; it != range.second; ++it)
            if (it->second.first == elementTypeOf(kind))
                found.push_back(it->second.second);
        return found;
    }

private:
    std::multimap<std::string, std::pair<IChartElement::Type, ChartPosition>> byIdent;
};

// Idents repeat around the world; of all the places the two idents name,
// the segment joins the two closest to each other.
bool placeSegment(const PointIndex& index, const std::string ident[2], const long kind[2], ChartPosition end[2],
                  std::string& missing) {
    const std::vector<ChartPosition> candidates[2] = {index.find(ident[0], kind[0]), index.find(ident[1], kind[1])};
    for (int i = 0; i < 2; ++i)
        if (candidates[i].empty()) {
            missing = ident[i];
            return false;
        }
    double best = -1;
    for (const ChartPosition& a : candidates[0])
        for (const ChartPosition& b : candidates[1]) {
            const double distance = calcDistance2(a, b);
            if (best < 0 || distance < best) {
                best = distance;
                end[0] = a;
                end[1] = b;
            }
        }
    return true;
}

struct SegmentRecord {
    std::string ident[2];
    ChartPosition end[2];
    bool oneWay = false;
    long usage = 0, base = 0, top = 0;
    std::string names;
};

// 640: "ident lat lon ident lat lon usage base top names".
bool readOldSegment(LineSource& source, const LineTokens& tokens, SegmentRecord& segment) {
    double lat[2] = {0, 0}, lon[2] = {0, 0};
    if (tokens.size() < 10 || !tokens.getDouble(1, lat[0]) || !tokens.getDouble(2, lon[0]) ||
        !tokens.getDouble(4, lat[1]) || !tokens.getDouble(5, lon[1]) || !tokens.getInt(6, segment.usage) ||
        !tokens.getInt(7, segment.base) || !tokens.getInt(8, segment.top)) {
        source.report("expected 'ident lat lon ident lat lon usage base top name'");
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (!isValidPosition(lat[i], lon[i])) {
            source.report("position out of range");
            return false;
        }
        segment.ident[i] = tokens[i * 3];
        segment.end[i] = ChartPosition(lon[i], lat[i]);
    }
    segment.names = tokens.rest(9);
    return true;
}

// 1100: "ident region kind ident region kind direction usage base top
// names"; direction N (both ways), F (first to second only), B (second to
// first only).
bool readRegionalSegment(LineSource& source, const LineTokens& tokens, const PointIndex& index,
                         SegmentRecord& segment) {
    long kind[2] = {0, 0};
    const std::string direction = tokens[6];
    if (tokens.size() < 11 || !tokens.getInt(2, kind[0]) || !tokens.getInt(5, kind[1]) ||
        !tokens.getInt(7, segment.usage) || !tokens.getInt(8, segment.base) || !tokens.getInt(9, segment.top) ||
        (direction != "N" && direction != "F" && direction != "B")) {
        source.report("expected 'ident region kind ident region kind N|F|B usage base top name'");
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (kind[i] != NDB_POINT && kind[i] != VHF_POINT && kind[i] != FIX_POINT) {
            source.report("point kind must be 11 (fix), 2 (NDB) or 3 (VHF navaid)");
            return false;
        }
        segment.ident[i] = tokens[i * 3];
    }
    std::string missing;
    if (!placeSegment(index, segment.ident, kind, segment.end, missing)) {
        source.report("no fix or navaid " + missing + " of this kind in the inputs");
        return false;
    }
    if (direction == "B") {
        std::swap(segment.ident[0], segment.ident[1]);
        std::swap(segment.end[0], segment.end[1]);
    }
    segment.oneWay = direction != "N";
    segment.names = tokens.rest(10);
    return true;
}

}  // namespace

ParsedElements parseAwyDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink,
                           const ParsedElements* points) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    const PointIndex index(points);
    forEachXPlaneRecord(source, [&](const LineTokens& tokens) {
        SegmentRecord segment;
        const bool read = source.getFormatVersion() >= 1100 ? readRegionalSegment(source, tokens, index, segment)
                                                             : readOldSegment(source, tokens, segment);
        if (!read)
            return;
        if (segment.base < 0 || segment.top < 0 || segment.base > MAX_LIMIT_HUNDREDS_FT ||
            segment.top > MAX_LIMIT_HUNDREDS_FT) {
            source.report("base and top must lie between 0 and FL" + std::to_string(MAX_LIMIT_HUNDREDS_FT));
            return;
        }
        if (segment.usage != 1 && segment.usage != 2) {
            source.report("usage must be 1 (low) or 2 (high)");
            return;
        }
        auto airway = std::make_unique<AirwayElement>();
        airway->start = segment.end[0];
        airway->end = segment.end[1];
        airway->oneDirection = segment.oneWay;
        airway->name = toUtf8Text(segment.names);
        airway->remarks = toUtf8Text(segment.ident[0] + " - " + segment.ident[1]);
        airway->lowAltUsage = segment.usage == 1;
        airway->highAltUsage = segment.usage == 2;
        airway->mea = static_cast<int32_t>(segment.base * 100);
        airway->meaAvail = segment.base > 0;
        airway->maa = static_cast<int32_t>(segment.top * 100);
        airway->maaAvail = segment.top > 0;
        elements.push_back(std::move(airway));
    });
    return elements;
}

namespace {

// Navaids and fixes sit exactly on the segment ends in the same data set;
// the tolerance only absorbs rounding of the coordinates.
constexpr double SAME_POINT_M = 500.0;

struct EndUsage {
    ChartPosition position;
    bool high;
    bool low;
};

void applyUsage(AAirwayPointChartElement* point, const std::multimap<std::string, EndUsage>& ends) {
    auto range = ends.equal_range(point->ident);
    for (auto it = range.first; it != range.second; ++it) {
        if (calcDistance2(it->second.position, point->position) > SAME_POINT_M)
            continue;
        point->usedByAirways = true;
        point->highAltUsage = point->highAltUsage || it->second.high;
        point->lowAltUsage = point->lowAltUsage || it->second.low;
    }
}

}  // namespace

void markAirwayUsage(ParsedElements& points, const ParsedElements& airways) {
    std::multimap<std::string, EndUsage> ends;
    for (const auto& element : airways) {
        if (element->getType() != IChartElement::AIRWAY)
            continue;
        const auto* airway = static_cast<const AirwayElement*>(element.get());
        const std::string& remarks = airway->remarks;
        const size_t dash = remarks.find(" - ");
        if (dash == std::string::npos)
            continue;
        ends.emplace(remarks.substr(0, dash), EndUsage{airway->start, airway->highAltUsage, airway->lowAltUsage});
        ends.emplace(remarks.substr(dash + 3), EndUsage{airway->end, airway->highAltUsage, airway->lowAltUsage});
    }
    for (auto& element : points) {
        const IChartElement::Type type = element->getType();
        if (type == IChartElement::WAYPOINT || type == IChartElement::NDB || type == IChartElement::VOR)
            applyUsage(static_cast<AAirwayPointChartElement*>(element.get()), ends);
    }
}
