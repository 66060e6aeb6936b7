#include "gui/logic/Shapes.h"

#include <algorithm>
#include <cmath>

namespace shapes {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kEpsilon = 1e-9;

double radians(double degrees) { return degrees * kPi / 180.0; }

double cross(const Vertex& o, const Vertex& a, const Vertex& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double signedArea(const std::vector<Vertex>& polygon) {
    double sum = 0;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        sum += polygon[j].x * polygon[i].y - polygon[i].x * polygon[j].y;
    return sum / 2;
}

Vertex at(double x, double y) {
    Vertex v;
    v.x = x;
    v.y = y;
    return v;
}

Vertex lerp(const Vertex& a, const Vertex& b, double t) {
    Vertex v;
    v.x = a.x + (b.x - a.x) * t;
    v.y = a.y + (b.y - a.y) * t;
    v.u = a.u + (b.u - a.u) * t;
    v.v = a.v + (b.v - a.v) * t;
    return v;
}

void addTriangle(Triangles& out, const Vertex& a, const Vertex& b, const Vertex& c) {
    out.push_back(a);
    out.push_back(b);
    out.push_back(c);
}

// p strictly inside or on the border of triangle abc (counter-clockwise in
// the sense of `orientation`).
bool inTriangle(const Vertex& p, const Vertex& a, const Vertex& b, const Vertex& c, double orientation) {
    return cross(a, b, p) * orientation >= -kEpsilon && cross(b, c, p) * orientation >= -kEpsilon &&
           cross(c, a, p) * orientation >= -kEpsilon;
}

bool samePoint(const Vertex& a, const Vertex& b) {
    return std::fabs(a.x - b.x) < kEpsilon && std::fabs(a.y - b.y) < kEpsilon;
}

// Corners without repeats and without points on a straight run, which would
// make zero-area ears.
std::vector<Vertex> cleanPolygon(const std::vector<Vertex>& polygon) {
    std::vector<Vertex> points;
    for (const Vertex& p : polygon)
        if (points.empty() || !samePoint(points.back(), p)) points.push_back(p);
    while (points.size() > 1 && samePoint(points.front(), points.back())) points.pop_back();
    bool removed = true;
    while (removed && points.size() >= 3) {
        removed = false;
        for (size_t i = 0; i < points.size(); ++i) {
            const Vertex& prev = points[(i + points.size() - 1) % points.size()];
            const Vertex& next = points[(i + 1) % points.size()];
            if (std::fabs(cross(prev, points[i], next)) < kEpsilon) {
                points.erase(points.begin() + static_cast<long>(i));
                removed = true;
                break;
            }
        }
    }
    return points;
}

// A triangle cut by the four sides of a rectangle keeps at most seven
// corners: small enough to live on the stack while clipping every frame.
struct SmallPolygon {
    Vertex v[8];
    int n = 0;
};

// The part of the polygon on the inner side of one clip edge.
template <typename Inside, typename Cut>
SmallPolygon clipEdge(const SmallPolygon& polygon, Inside inside, Cut cutAt) {
    SmallPolygon out;
    for (int i = 0; i < polygon.n; ++i) {
        const Vertex& a = polygon.v[i];
        const Vertex& b = polygon.v[(i + 1) % polygon.n];
        const bool aIn = inside(a), bIn = inside(b);
        if (aIn) out.v[out.n++] = a;
        if (aIn != bIn) out.v[out.n++] = lerp(a, b, cutAt(a, b));
    }
    return out;
}
}  // namespace

Vertex rotateAbout(const Vertex& p, double centreX, double centreY, double angleDegrees) {
    // With y pointing down, a counter-clockwise turn as seen on the screen
    // moves a point right of the centre upwards (towards smaller y).
    const double c = std::cos(radians(angleDegrees)), s = std::sin(radians(angleDegrees));
    const double dx = p.x - centreX, dy = p.y - centreY;
    Vertex r = p;
    r.x = centreX + dx * c + dy * s;
    r.y = centreY - dx * s + dy * c;
    return r;
}

void mapTextureOnto(Triangles& triangles, double x, double y, double width, double height, double angleDegrees,
                    double centreU, double centreV) {
    if (width == 0 || height == 0) return;
    const double cx = x + width * centreU, cy = y + height * centreV;
    for (Vertex& v : triangles) {
        // Turned back, the point lies in the unturned quad.
        const Vertex unturned = rotateAbout(v, cx, cy, -angleDegrees);
        v.u = (unturned.x - x) / width;
        v.v = (unturned.y - y) / height;
    }
}

void appendFan(const std::vector<Vertex>& convex, Triangles& out) {
    for (size_t i = 1; i + 1 < convex.size(); ++i) {
        out.push_back(convex[0]);
        out.push_back(convex[i]);
        out.push_back(convex[i + 1]);
    }
}

std::vector<Vertex> rotatedQuad(double x, double y, double width, double height, double angleDegrees, double centreU,
                                double centreV) {
    const double cx = x + width * centreU, cy = y + height * centreV;
    std::vector<Vertex> corners;
    const double us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        Vertex v = at(x + us[i] * width, y + vs[i] * height);
        v.u = us[i];
        v.v = vs[i];
        corners.push_back(rotateAbout(v, cx, cy, angleDegrees));
    }
    return corners;
}

Triangles quadTriangles(const std::vector<Vertex>& c) {
    Triangles out;
    if (c.size() != 4) return out;
    appendQuad(out, c[0], c[1], c[2], c[3]);
    return out;
}

void appendQuad(Triangles& out, const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d) {
    addTriangle(out, a, b, c);
    addTriangle(out, a, c, d);
}

Triangles triangulatePolygon(const std::vector<Vertex>& polygon) {
    Triangles out;
    std::vector<Vertex> points = cleanPolygon(polygon);
    if (points.size() < 3) return out;
    const double orientation = signedArea(points) > 0 ? 1.0 : -1.0;
    while (points.size() > 3) {
        const size_t n = points.size();
        size_t ear = n;
        for (size_t i = 0; i < n && ear == n; ++i) {
            const Vertex& a = points[(i + n - 1) % n];
            const Vertex& b = points[i];
            const Vertex& c = points[(i + 1) % n];
            if (cross(a, b, c) * orientation <= kEpsilon) continue;  // reflex corner
            bool empty = true;
            for (size_t j = 0; j < n && empty; ++j) {
                const Vertex& p = points[j];
                if (samePoint(p, a) || samePoint(p, b) || samePoint(p, c)) continue;
                empty = !inTriangle(p, a, b, c, orientation);
            }
            if (empty) ear = i;
        }
        // A self-intersecting outline has no ear at some point: cutting any
        // convex corner still fills it roughly instead of looping forever.
        if (ear == n) {
            for (size_t i = 0; i < n && ear == n; ++i)
                if (cross(points[(i + n - 1) % n], points[i], points[(i + 1) % n]) * orientation > 0) ear = i;
            if (ear == n) return out;
        }
        addTriangle(out, points[(ear + n - 1) % n], points[ear], points[(ear + 1) % n]);
        points.erase(points.begin() + static_cast<long>(ear));
    }
    addTriangle(out, points[0], points[1], points[2]);
    return out;
}

Triangles thickPolyline(const std::vector<Vertex>& input, double width, bool closed) {
    Triangles out;
    std::vector<Vertex> points;
    for (const Vertex& p : input)
        if (points.empty() || !samePoint(points.back(), p)) points.push_back(p);
    if (closed && points.size() > 2 && samePoint(points.front(), points.back())) points.pop_back();
    if (points.size() < 2 || width <= 0) return out;
    const double half = width / 2;
    const size_t segments = closed ? points.size() : points.size() - 1;
    // Unit normal (to the left of the direction of travel) of each segment.
    std::vector<Vertex> normals;
    for (size_t i = 0; i < segments; ++i) {
        const Vertex& a = points[i];
        const Vertex& b = points[(i + 1) % points.size()];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        normals.push_back(at(-(b.y - a.y) / length, (b.x - a.x) / length));
    }
    for (size_t i = 0; i < segments; ++i) {
        const Vertex& a = points[i];
        const Vertex& b = points[(i + 1) % points.size()];
        const Vertex& n = normals[i];
        appendQuad(out, at(a.x + n.x * half, a.y + n.y * half), at(b.x + n.x * half, b.y + n.y * half),
                   at(b.x - n.x * half, b.y - n.y * half), at(a.x - n.x * half, a.y - n.y * half));
    }
    // Joins: the segments' rectangles overlap on the inner side of a turn;
    // the wedge they leave open on the outer side is filled.
    const size_t first = closed ? 0 : 1;
    for (size_t i = first; i < points.size() - (closed ? 0 : 1); ++i) {
        const Vertex& p = points[i];
        const Vertex& n1 = normals[(i + segments - 1) % segments];
        const Vertex& n2 = normals[i % segments];
        const double turn = n1.x * n2.y - n1.y * n2.x;                              // sign tells the outer side
        if (std::fabs(turn) < kEpsilon && n1.x * n2.x + n1.y * n2.y > 0) continue;  // straight on
        const double side = turn > 0 ? -1.0 : 1.0;
        const Vertex o1 = at(p.x + side * n1.x * half, p.y + side * n1.y * half);
        const Vertex o2 = at(p.x + side * n2.x * half, p.y + side * n2.y * half);
        addTriangle(out, p, o1, o2);
        const double mx = n1.x + n2.x, my = n1.y + n2.y;
        const double mLength = std::hypot(mx, my);
        if (mLength < kEpsilon) continue;
        const double cosHalf = (mx * n1.x + my * n1.y) / mLength;  // cosine of half the turn
        const double tipDistance = half / cosHalf;
        if (tipDistance > width) continue;  // bevel: a mitre would poke out too far
        const Vertex tip = at(p.x + side * mx / mLength * tipDistance, p.y + side * my / mLength * tipDistance);
        addTriangle(out, o1, tip, o2);
    }
    return out;
}

int circleSegments(double radius) {
    if (radius <= 0.25) return 8;
    const double step = 2 * std::acos(1 - 0.25 / radius);
    return std::clamp(static_cast<int>(std::ceil(2 * kPi / step)), 8, 512);
}

namespace {
// Calls visit(x, y) for the points of an arc, as arcPoints lists them.
template <class Visit>
void forArcPoints(double centreX, double centreY, double radius, double startDegrees, double endDegrees, Visit visit) {
    if (endDegrees == startDegrees) return;
    while (endDegrees < startDegrees) endDegrees += 360;
    const double sweep = std::min(endDegrees - startDegrees, 360.0);
    const int steps = std::max(1, static_cast<int>(std::ceil(circleSegments(radius) * sweep / 360.0)));
    for (int i = 0; i <= steps; ++i) {
        const double a = radians(startDegrees + sweep * i / steps);
        visit(centreX + radius * std::cos(a), centreY - radius * std::sin(a));
    }
}
}  // namespace

std::vector<Vertex> arcPoints(double centreX, double centreY, double radius, double startDegrees, double endDegrees) {
    std::vector<Vertex> points;
    forArcPoints(centreX, centreY, radius, startDegrees, endDegrees,
                 [&](double x, double y) { points.push_back(at(x, y)); });
    return points;
}

Triangles thickArc(double centreX, double centreY, double radius, double width, double startDegrees,
                   double endDegrees) {
    Triangles out;
    thickArc(centreX, centreY, radius, width, startDegrees, endDegrees, out);
    return out;
}

void thickArc(double centreX, double centreY, double radius, double width, double startDegrees, double endDegrees,
              Triangles& out) {
    out.clear();
    const double inner = std::max(0.0, radius - width / 2), outer = radius + width / 2;
    bool first = true;
    Vertex lastInner, lastOuter;
    forArcPoints(centreX, centreY, radius, startDegrees, endDegrees, [&](double x, double y) {
        const Vertex innerPoint =
            at(centreX + (x - centreX) * inner / radius, centreY + (y - centreY) * inner / radius);
        const Vertex outerPoint =
            at(centreX + (x - centreX) * outer / radius, centreY + (y - centreY) * outer / radius);
        if (!first) appendQuad(out, lastInner, lastOuter, outerPoint, innerPoint);
        first = false;
        lastInner = innerPoint, lastOuter = outerPoint;
    });
}

Triangles filledCircle(double centreX, double centreY, double radius) {
    Triangles out;
    filledCircle(centreX, centreY, radius, out);
    return out;
}

void filledCircle(double centreX, double centreY, double radius, Triangles& out) {
    out.clear();
    bool first = true;
    Vertex last;
    forArcPoints(centreX, centreY, radius, 0, 360, [&](double x, double y) {
        const Vertex p = at(x, y);
        if (!first) addTriangle(out, at(centreX, centreY), last, p);
        first = false;
        last = p;
    });
}

Rect bounds(const Triangles& triangles) {
    Rect r;
    if (triangles.empty()) return r;
    r.left = r.right = triangles[0].x;
    r.top = r.bottom = triangles[0].y;
    for (const Vertex& v : triangles) {
        r.left = std::min(r.left, v.x), r.right = std::max(r.right, v.x);
        r.top = std::min(r.top, v.y), r.bottom = std::max(r.bottom, v.y);
    }
    return r;
}

bool contains(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

Triangles clipTriangles(const Triangles& triangles, const Rect& clip) {
    Triangles out;
    clipTriangles(triangles, clip, out);
    return out;
}

void clipTriangles(const Triangles& triangles, const Rect& clip, Triangles& out) {
    out.clear();
    if (clip.isEmpty()) return;
    for (size_t i = 0; i + 2 < triangles.size(); i += 3) {
        SmallPolygon p;
        for (int k = 0; k < 3; ++k) p.v[p.n++] = triangles[i + k];
        const bool allInside = std::all_of(p.v, p.v + 3, [&](const Vertex& v) {
            return v.x >= clip.left && v.x <= clip.right && v.y >= clip.top && v.y <= clip.bottom;
        });
        if (allInside) {
            out.insert(out.end(), p.v, p.v + 3);
            continue;
        }
        // Left, right, top, bottom: the coordinate each edge limits, where,
        // and which side is kept.
        const struct {
            double Vertex::*coordinate;
            double limit;
            double keep;  // +1: values above the limit, -1: below
        } edges[] = {{&Vertex::x, clip.left, 1},
                     {&Vertex::x, clip.right, -1},
                     {&Vertex::y, clip.top, 1},
                     {&Vertex::y, clip.bottom, -1}};
        for (const auto& e : edges)
            p = clipEdge(
                p, [&](const Vertex& v) { return (v.*e.coordinate - e.limit) * e.keep >= 0; },
                [&](const Vertex& a, const Vertex& b) {
                    return (e.limit - a.*e.coordinate) / (b.*e.coordinate - a.*e.coordinate);
                });
        for (int k = 1; k + 1 < p.n; ++k) addTriangle(out, p.v[0], p.v[k], p.v[k + 1]);
    }
}

Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (r.isEmpty()) r = Rect{};
    return r;
}

Rect visiblePart(const uint8_t* pixels, int width, int height, int pitch) {
    if (!pixels || width <= 0 || height <= 0) return Rect{0, 0, 1, 1};
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(pixels + size_t(y) * pitch);
        for (int x = 0; x < width; ++x) {
            if ((row[x] >> 24) == 0) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return Rect{};
    const auto fraction = [](int at, int size) { return std::clamp(double(at) / size, 0.0, 1.0); };
    return Rect{fraction(left - 1, width), fraction(top - 1, height), fraction(right + 2, width),
                fraction(bottom + 2, height)};
}

void polygonAroundCircle(double centreX, double centreY, double radius, int corners, std::vector<Vertex>& out) {
    out.clear();
    if (corners < 3) return;
    const double step = 2 * kPi / corners, outer = radius / std::cos(step / 2);
    for (int i = 0; i < corners; ++i)
        out.push_back(at(centreX + outer * std::cos(i * step), centreY + outer * std::sin(i * step)));
}

int cornersAround(double radius, double tolerance) {
    if (radius <= 0 || tolerance <= 0) return 512;
    const int corners = static_cast<int>(std::ceil(kPi / std::acos(radius / (radius + tolerance))));
    return std::clamp(corners, 3, 512);
}

void polygonRing(double centreX, double centreY, double inner, double outer, int corners, Triangles& out) {
    out.clear();
    if (corners < 3) return;
    const double step = 2 * kPi / corners, around = outer / std::cos(step / 2);
    for (int i = 0; i < corners; ++i) {
        const double a0 = i * step, a1 = (i + 1) * step;
        appendQuad(out, at(centreX + inner * std::cos(a0), centreY + inner * std::sin(a0)),
                   at(centreX + around * std::cos(a0), centreY + around * std::sin(a0)),
                   at(centreX + around * std::cos(a1), centreY + around * std::sin(a1)),
                   at(centreX + inner * std::cos(a1), centreY + inner * std::sin(a1)));
    }
}

}  // namespace shapes
