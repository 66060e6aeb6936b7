#include "map/rules/StaticRenderFilter.h"

#include <limits>

#include "chart/elements/GroundGeometryElement.h"
#include "chart/elements/POIElement.h"
#include "map/rules/StaticRenderValues.h"

// The rules themselves, each written once as the pilot would state it, for
// one combination of flag bits at a time; the constructor runs them over
// every combination.
namespace {

// Flag bits of the static bytes, by kind.
enum AirportFlag { CLOSED = 1, HELIPORT = 2, PRIVATE = 4, GLIDER = 8, TOWERED = 16, MILITARY = 32, NO_RUNWAYS = 64 };
enum UsageFlag { HIGH_ALTITUDE = 1, LOW_ALTITUDE = 2, USED_BY_AIRWAYS = 4, PUBLIC = 8, REPORTING_POINT = 16 };
enum GroundFlag { KIND_MASK = 0x1F, NO_AREA_VALUE = 0x20, LINE = 0x40, SMALL_BOUNDING_BOX = 0x80 };

// Scale limits (M, square degrees per screen).
constexpr double kAirportUntoweredLimit = 55.0;
constexpr double kTrafficPatternLimit = 0.3;
constexpr double kAirwayLimit = 30.0;
constexpr double kWaypointLimit = 15.0;
constexpr double kWaypointDetailLimit = 0.3;
constexpr double kReportingPointLimit = 1.0;  // exclusive
constexpr double kNavaidLimit = 30.0;
constexpr double kNDBAllLimit = 2.5;
constexpr double kVORAllLimit = 13.5;
constexpr double kAirportGroundLimit = 0.085;
constexpr double kRoadLimit = 4.21;
constexpr double kRailwayLimit = 0.44;
constexpr double kCoastlineLimit = 12.0;
constexpr double kBorderLimit = 11.0;
constexpr double kWaterLimit = 27.0;
constexpr double kSmallWaterLimit = 0.0875;
constexpr double kWaterLineWithoutAreaLimit = 0.085;
// Water areas smaller than this part of the visible area are not drawn.
constexpr double kWaterAreaFractionOfView = 1.0 / 10000.0;

constexpr int kTrafficPatternClass = 11;  // "TP" among the static airspace classes

bool drawnWithoutPlan(int flags, const MapSettings& s) {
    if ((flags & HELIPORT) && (flags & NO_RUNWAYS) && !s.heliports) return false;
    if ((flags & PRIVATE) && !s.privateAirports) return false;
    if ((flags & GLIDER) && !(flags & TOWERED) && !s.glider) return false;
    if ((flags & CLOSED) && !s.closed) return false;
    return true;
}

bool airspaceClassDrawn(int classIndex, const MapRenderFacts& f) {
    if (!f.settings.airspaces) return false;
    if (classIndex == kTrafficPatternClass && f.scale > kTrafficPatternLimit) return false;
    if (f.settings.irrelevant || classIndex == 0) return true;
    return !(f.irrelevantAirspaceClasses & (1u << classIndex));
}

bool flownOnAirways(int flags, const MapSettings& s) {
    return ((flags & LOW_ALTITUDE) && s.lowIFR) || ((flags & HIGH_ALTITUDE) && s.highIFR);
}

bool waypointDrawn(int flags, const MapRenderFacts& f) {
    if (f.scale > kWaypointLimit) return false;
    if (f.scale <= kWaypointDetailLimit && (flags & (PUBLIC | USED_BY_AIRWAYS))) return true;
    if ((flags & REPORTING_POINT) && f.scale < kReportingPointLimit) return true;
    return (flags & USED_BY_AIRWAYS) && flownOnAirways(flags, f.settings);
}

bool navaidDrawn(int flags, double allLimit, const MapRenderFacts& f) {
    if (f.scale > kNavaidLimit) return false;
    if (f.scale <= allLimit) return true;
    return (flags & USED_BY_AIRWAYS) && flownOnAirways(flags, f.settings);
}

// The largest scale at which a kind of point of interest is drawn; negative
// for kinds the map never draws.
double poiScaleLimit(int type) {
    constexpr double kAlways = std::numeric_limits<double>::infinity();
    constexpr double kNever = -1.0;
    static const double limits[POIElement::POI_TYPE_COUNT] = {
        kAlways, 63.0, kNever, kNever, kNever,  kNever,  0.87, 0.87, 0.5,   0.044, 0.225, 0.044, 0.0038,
        kAlways, 2.5,  0.5,    0.5,    kAlways, kAlways, 0.5,  0.5,  0.008, 0.045, 1.1,   2.5};
    return type < POIElement::POI_TYPE_COUNT ? limits[type] : kNever;
}

bool poiDrawn(int type, const MapRenderFacts& f) {
    const MapSettings& s = f.settings;
    if (!s.pois || type >= POIElement::POI_TYPE_COUNT) return false;
    if (type >= POIElement::STATE && type <= POIElement::HAMLET && !s.cities) return false;
    if ((type == POIElement::PEAK || type == POIElement::VOLCANO) && !s.peaks) return false;
    return f.scale <= poiScaleLimit(type);
}

// The kind's own setting and scale.
bool groundKindDrawn(int kind, const MapRenderFacts& f) {
    const MapSettings& s = f.settings;
    const double m = f.scale;
    using G = GroundGeometryElement;
    switch (kind) {
    case G::ROAD:
        return s.highways && m <= kRoadLimit;
    case G::RAILWAY:
        return s.railways && m <= kRailwayLimit;
    case G::WATER:
    case G::RIVER:
        return s.water;
    case G::COASTLINE:
        return s.coastlines && m <= kCoastlineLimit;
    case G::BORDER:
        return s.countryborders && m <= kBorderLimit;
    case G::BORDER_ALONG_ROAD:
        return (s.countryborders || s.highways) && m <= kBorderLimit;
    case G::BORDER_ALONG_RAILWAY:
        return (s.countryborders || s.railways) && m <= kBorderLimit;
    case G::BORDER_ALONG_RIVER:
        return (s.countryborders || s.water) && m <= kBorderLimit;
    case G::BORDER_ALONG_COAST:
        return (s.countryborders || s.coastlines) && m <= kBorderLimit;
    case G::BUILDING:
        return m <= kAirportGroundLimit;
    default:
        return kind < G::ROAD || kind == G::HELIPAD ? s.taxiways && m <= kAirportGroundLimit : false;
    }
}

bool isWaterKind(int kind) {
    return kind == GroundGeometryElement::WATER || kind == GroundGeometryElement::COASTLINE ||
           kind == GroundGeometryElement::RIVER;
}

// Water, coasts and rivers are also judged by their size against the view.
StaticRenderFilter::GroundDecision groundDecision(int flags, const MapRenderFacts& f) {
    using D = StaticRenderFilter;
    const int kind = flags & KIND_MASK;
    if (!groundKindDrawn(kind, f)) return D::HIDDEN;
    if (!isWaterKind(kind)) return D::SHOWN;
    if (f.scale > kWaterLimit) return D::HIDDEN;
    if ((flags & SMALL_BOUNDING_BOX) && f.scale > kSmallWaterLimit) return D::HIDDEN;
    const bool line = flags & LINE;
    const bool withArea = !(flags & NO_AREA_VALUE);
    if (kind == GroundGeometryElement::WATER && line && !withArea && f.scale > kWaterLineWithoutAreaLimit)
        return D::HIDDEN;
    return !line && withArea ? D::SHOWN_IF_LARGE : D::SHOWN;
}

// The first value in [0, end) at which a rule that turns from false to true
// (and stays true) holds; end when it never does.
template <class Rule>
int firstHolding(int end, Rule holds) {
    int low = 0, high = end;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (holds(middle)) high = middle;
        else low = middle + 1;
    }
    return low;
}

}  // namespace

StaticRenderFilter::StaticRenderFilter(const MapRenderFacts& f) : facts(f) {
    const MapSettings& s = f.settings;
    const bool untoweredShown = f.scale <= kAirportUntoweredLimit;
    for (int flags = 0; flags < 128; ++flags) {
        airportOfPlanByFlags[flags] = untoweredShown || (flags & TOWERED);
        airportByFlags[flags] = airportOfPlanByFlags[flags] && drawnWithoutPlan(flags, s);
    }

    for (int classIndex = 0; classIndex < 16; ++classIndex)
        airspaceByClass[classIndex] = airspaceClassDrawn(classIndex == 15 ? 0 : classIndex, f);
    highestAirspaceBottomCode =
        firstHolding(4096, [&](int code) { return staticAirspaceBottomFeet(code) > s.airspacesBelow; }) - 1;

    for (int flags = 0; flags < 4; ++flags)
        airwayByUsage[flags] = f.scale <= kAirwayLimit && s.airways && flownOnAirways(flags, s);

    if (f.scale > kObstructionScaleLimit || !s.terrainEnable) lowestObstructionTopCode = 65536;
    else if (s.lowObstacles) lowestObstructionTopCode = 0;
    else
        lowestObstructionTopCode = firstHolding(65536, [&](int code) {
            return isObstacleBelowVisibilityLine(staticObstructionTopFeet(code), f.ownAltitudeFeet);
        });

    for (int flags = 0; flags < 32; ++flags) waypointByFlags[flags] = waypointDrawn(flags, f);
    waypointTargetsShown = f.scale <= kWaypointLimit;
    for (int flags = 0; flags < 8; ++flags) {
        ndbByUsage[flags] = navaidDrawn(flags, kNDBAllLimit, f);
        vorByUsage[flags] = navaidDrawn(flags, kVORAllLimit, f);
    }
    marksShown = s.marks;
    for (int type = 0; type < 256; ++type) poiByType[type] = poiDrawn(type, f);

    for (int flags = 0; flags < 256; ++flags) groundByFlags[flags] = groundDecision(flags, f);
    const double smallestArea = f.visibleAreaSquareMetres * kWaterAreaFractionOfView;
    smallestGroundAreaByte = firstHolding(
        256, [&](int areaByte) { return !(ggeByteToArea(static_cast<uint8_t>(areaByte)) < smallestArea); });
}
