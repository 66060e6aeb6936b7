#include "parsers/AwyDatParser.h"

#include "chart/elements/AirwayElement.h"
#include "chart/elements/ChartElementBases.h"
#include "geo/Geodesy.h"

#include <map>

namespace {
// Limits are given in hundreds of feet.
constexpr long MAX_LIMIT_HUNDREDS_FT = 999;
}  // namespace

ParsedElements parseAwyDat(std::istream& in, const std::string& fileName, const ParseErrorSink& sink) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    forEachXPlaneRecord(source, [&](const LineTokens& tokens) {
        double lat1 = 0, lon1 = 0, lat2 = 0, lon2 = 0;
        long usage = 0, base = 0, top = 0;
        if (tokens.size() < 10 || !tokens.getDouble(1, lat1) || !tokens.getDouble(2, lon1) ||
            !tokens.getDouble(4, lat2) || !tokens.getDouble(5, lon2) || !tokens.getInt(6, usage) ||
            !tokens.getInt(7, base) || !tokens.getInt(8, top)) {
            source.report("expected 'ident lat lon ident lat lon usage base top name'");
            return;
        }
        if (!isValidPosition(lat1, lon1) || !isValidPosition(lat2, lon2)) {
            source.report("position out of range");
            return;
        }
        if (base < 0 || top < 0 || base > MAX_LIMIT_HUNDREDS_FT || top > MAX_LIMIT_HUNDREDS_FT) {
            source.report("base and top must lie between 0 and FL" + std::to_string(MAX_LIMIT_HUNDREDS_FT));
            return;
        }
        if (usage != 1 && usage != 2) {
            source.report("usage must be 1 (low) or 2 (high)");
            return;
        }
        auto airway = std::make_unique<AirwayElement>();
        airway->start = ChartPosition(lon1, lat1);
        airway->end = ChartPosition(lon2, lat2);
        airway->name = toUtf8Text(tokens.rest(9));
        airway->remarks = toUtf8Text(tokens[0] + " - " + tokens[3]);
        airway->lowAltUsage = usage == 1;
        airway->highAltUsage = usage == 2;
        airway->mea = static_cast<int32_t>(base * 100);
        airway->meaAvail = base > 0;
        airway->maa = static_cast<int32_t>(top * 100);
        airway->maaAvail = top > 0;
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
