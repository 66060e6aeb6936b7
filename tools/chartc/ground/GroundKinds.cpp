#include "ground/GroundKinds.h"

#include "geo/Geodesy.h"

#include <cctype>

namespace {

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); i++)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::unique_ptr<GroundGeometryElement> makeGroundElement(int kind, GroundGeometryElement::GeometryType type,
                                                         std::vector<ChartPosition> points,
                                                         const std::string& description) {
    auto element = std::make_unique<GroundGeometryElement>();
    element->kind = static_cast<uint8_t>(kind);
    element->geometryType = static_cast<uint8_t>(type);
    element->points = std::move(points);
    element->description = description;
    element->updateBoundingBox();
    return element;
}

}  // namespace

bool gshhgLayerFromName(const std::string& name, GshhgLayer& layer) {
    if (name == "gshhs") layer = GshhgLayer::SHORES;
    else if (name == "border") layer = GshhgLayer::BORDERS;
    else if (name == "river") layer = GshhgLayer::RIVERS;
    else return false;
    return true;
}

int groundKindForGshhg(GshhgLayer layer, int level) {
    switch (layer) {
    case GshhgLayer::SHORES:
        return level >= 1 && level <= 4 ? GroundGeometryElement::COASTLINE : -1;
    case GshhgLayer::BORDERS:
        return level >= 1 && level <= 3 ? GroundGeometryElement::BORDER : -1;
    case GshhgLayer::RIVERS:
        if (level < 1) return -1;
        return level <= 3 ? GroundGeometryElement::RIVER : GroundGeometryElement::WATER;
    }
    return -1;
}

bool isLakeShore(GshhgLayer layer, int level) { return layer == GshhgLayer::SHORES && (level == 2 || level == 4); }

std::string describeGshhgLevel(GshhgLayer layer, int level) {
    static const char* const kShores[] = {"coastline", "lake shore", "island in lake", "pond in island"};
    static const char* const kBorders[] = {"national border", "internal border", "maritime border"};
    if (layer == GshhgLayer::SHORES && level >= 1 && level <= 4) return kShores[level - 1];
    if (layer == GshhgLayer::BORDERS && level >= 1 && level <= 3) return kBorders[level - 1];
    if (layer == GshhgLayer::RIVERS) return "river (level " + std::to_string(level) + ")";
    return "level " + std::to_string(level);
}

int groundKindFromName(const std::string& name) {
    for (int kind = 0; kind < GroundGeometryElement::KIND_COUNT; kind++)
        if (equalsIgnoringCase(name, GroundGeometryElement::getKindName(kind))) return kind;
    return -1;
}

std::unique_ptr<GroundGeometryElement> makeGroundLine(int kind, std::vector<ChartPosition> points,
                                                      const std::string& description) {
    return makeGroundElement(kind, GroundGeometryElement::LINE, std::move(points), description);
}

std::unique_ptr<GroundGeometryElement> makeGroundArea(int kind, std::vector<ChartPosition> ring,
                                                      const std::string& description) {
    const double area = calcPolyLineArea(ring);
    auto element = makeGroundElement(kind, GroundGeometryElement::AREA, std::move(ring), description);
    element->setStoredArea(area);
    return element;
}

std::unique_ptr<GroundGeometryElement> makeGshhgLine(GshhgLayer layer, int level, std::vector<ChartPosition> points) {
    const int kind = groundKindForGshhg(layer, level);
    if (kind < 0) return nullptr;
    return makeGroundLine(kind, std::move(points), describeGshhgLevel(layer, level));
}
