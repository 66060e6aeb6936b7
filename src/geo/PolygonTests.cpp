#include "geo/PolygonTests.h"

#include <cmath>

namespace {

constexpr float TRIANGLE_AREA_TOLERANCE = 0.0001f;

// Both signed areas clearly on the same side of the edge.
bool sameClearSide(float a, float b) {
    return (a >= TRIANGLE_AREA_TOLERANCE && b >= TRIANGLE_AREA_TOLERANCE) ||
           (a <= -TRIANGLE_AREA_TOLERANCE && b <= -TRIANGLE_AREA_TOLERANCE);
}

// Twice the signed area of triangle (from, to, p).
float edgeArea(const Vector2f& from, const Vector2f& to, const Vector2f& p) {
    return (to - from).cross(p - from);
}

// Counts the crossings of the segment start..end with the closed outline.
// Each vertex is classified by the side of the ray's line it lies on, a
// vertex exactly on the line counting as the left side. An edge crosses only
// when its ends fall on different sides, so a ray through a vertex counts the
// two edges meeting there once together when it passes through the outline
// and zero or two times when it only touches it.
template <typename T>
int countCrossings(const std::vector<GeoVector2<T>>& polygon, const GeoVector2<T>& start, const GeoVector2<T>& end) {
    const GeoVector2<T> direction = end - start;
    const T lengthSq = direction.dot(direction);
    if (lengthSq == T(0)) return 0;
    const size_t n = polygon.size();
    int crossings = 0;
    GeoVector2<T> previous = polygon[n - 1];
    T previousSide = direction.cross(previous - start);
    for (size_t i = 0; i < n; ++i) {
        const GeoVector2<T>& current = polygon[i];
        T currentSide = direction.cross(current - start);
        if ((previousSide >= T(0)) != (currentSide >= T(0))) {
            // The edge meets the ray's line at fraction u along the edge; is
            // that point between start and end of the ray?
            T u = previousSide / (previousSide - currentSide);
            GeoVector2<T> hit = previous + (current - previous) * u;
            T along = (hit - start).dot(direction);
            if (along >= T(0) && along <= lengthSq) ++crossings;
        }
        previous = current;
        previousSide = currentSide;
    }
    return crossings;
}

template <typename T>
bool insidePolygon(const std::vector<GeoVector2<T>>& polygon, const GeoVector2<T>& point,
                   const GeoVector2<T>& boxMin, const GeoVector2<T>& boxMax, int rays) {
    const size_t n = polygon.size();
    if (n < 3 || rays <= 0) return false;
    const T reach = (boxMax - boxMin).getLength();
    int oddRays = 0;
    for (int k = 0; k < rays; ++k) {
        // Rays leave through different edges, one outward normal each, so
        // they cover many directions whatever the polygon's shape.
        size_t i = size_t(k) * n / size_t(rays);
        size_t j = (i + n - 1) % n;
        GeoVector2<T> edge = polygon[i] - polygon[j];
        T edgeLength = edge.getLength();
        // A repeated vertex has no normal: use the next edge that has one.
        for (size_t step = 1; edgeLength == T(0) && step < n; ++step) {
            j = i;
            i = (i + 1) % n;
            edge = polygon[i] - polygon[j];
            edgeLength = edge.getLength();
        }
        if (edgeLength == T(0)) return false;  // all vertices in one place
        GeoVector2<T> normal(-edge.y / edgeLength, edge.x / edgeLength);
        GeoVector2<T> target = polygon[j] + normal * reach;
        GeoVector2<T> end = target * T(2) - point;
        if (countCrossings(polygon, point, end) % 2 == 1) ++oddRays;
    }
    return oddRays > rays / 2;
}

}  // namespace

bool isPointInTriangle(const Vector2f& p, const Vector2f& a, const Vector2f& b, const Vector2f& c) {
    return sameClearSide(edgeArea(a, b, p), edgeArea(a, b, c)) &&
           sameClearSide(edgeArea(b, c, p), edgeArea(b, c, a)) &&
           sameClearSide(edgeArea(c, a, p), edgeArea(c, a, b));
}

bool isInsidePolygon(const std::vector<Vector2f>& polygon, const Vector2f& point, const Vector2f& boxMin,
                     const Vector2f& boxMax, int rays) {
    return insidePolygon(polygon, point, boxMin, boxMax, rays);
}

bool isInsidePolygon(const std::vector<Vector2d>& polygon, const Vector2d& point, const Vector2d& boxMin,
                     const Vector2d& boxMax, int rays) {
    return insidePolygon(polygon, point, boxMin, boxMax, rays);
}
