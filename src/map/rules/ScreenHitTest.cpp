#include "map/rules/ScreenHitTest.h"

#include <algorithm>

namespace {

double squaredDistance(ScreenPoint a, ScreenPoint b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

double squaredDistanceToSegment(ScreenPoint p, ScreenPoint a, ScreenPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0.0) return squaredDistance(p, a);
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    return squaredDistance(p, ScreenPoint{a.x + t * dx, a.y + t * dy});
}

bool nearSegments(ScreenPoint tap, const std::vector<ScreenPoint>& points, bool closed, double tolerance) {
    const size_t count = points.size();
    if (count == 1) return hitsSymbol(tap, points[0], tolerance);
    const size_t segments = closed && count > 2 ? count : count - 1;
    for (size_t i = 0; count > 1 && i < segments; ++i)
        if (squaredDistanceToSegment(tap, points[i], points[(i + 1) % count]) <= tolerance * tolerance) return true;
    return false;
}

}  // namespace

bool hitsSymbol(ScreenPoint tap, ScreenPoint centre, double radiusPixels) {
    return squaredDistance(tap, centre) <= radiusPixels * radiusPixels;
}

bool hitsPolyline(ScreenPoint tap, const std::vector<ScreenPoint>& line, double tolerancePixels) {
    return nearSegments(tap, line, false, tolerancePixels);
}

bool hitsArea(ScreenPoint tap, const std::vector<ScreenPoint>& polygon, double tolerancePixels) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const ScreenPoint& a = polygon[i];
        const ScreenPoint& b = polygon[j];
        if ((a.y > tap.y) != (b.y > tap.y) && tap.x < (b.x - a.x) * (tap.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside || nearSegments(tap, polygon, true, tolerancePixels);
}
