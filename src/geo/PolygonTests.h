#pragma once
#include <vector>

#include "geo/GeoVectors.h"

// Point-in-figure tests on plane coordinates (local frame metres or
// longitude/latitude pairs, whichever the caller works in).

// True when p lies inside triangle abc by more than a small tolerance
// (0.0001 in signed area); points on or very near an edge count as outside.
// Works for either winding of the triangle.
bool isPointInTriangle(const Vector2f& p, const Vector2f& a, const Vector2f& b, const Vector2f& c);

// True when point lies inside the polygon (either winding, concave allowed).
// boxMin/boxMax bound the polygon; rays (at least 1) long rays are cast from
// the point outwards across the polygon's edges and the point is inside when
// more than half of them cross the outline an odd number of times, so that a
// ray grazing a vertex cannot decide the answer alone. Fewer than three
// vertices contain nothing.
bool isInsidePolygon(const std::vector<Vector2f>& polygon, const Vector2f& point, const Vector2f& boxMin,
                     const Vector2f& boxMax, int rays);
bool isInsidePolygon(const std::vector<Vector2d>& polygon, const Vector2d& point, const Vector2d& boxMin,
                     const Vector2d& boxMax, int rays);
