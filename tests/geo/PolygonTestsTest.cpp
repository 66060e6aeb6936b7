#include <gtest/gtest.h>

#include <cmath>

#include "base/Units.h"
#include "geo/PolygonTests.h"

namespace {

// Independent reference: the winding number of the outline about p, in turns;
// not a number on an edge, and not a whole number on a vertex.
double windingTurns(const std::vector<Vector2d>& polygon, const Vector2d& p) {
    double total = 0.0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        Vector2d a = polygon[i] - p;
        Vector2d b = polygon[(i + 1) % polygon.size()] - p;
        const double angle = std::atan2(a.cross(b), a.dot(b));
        if (std::fabs(angle) > units::kPi - 1e-9) return NAN;
        total += angle;
    }
    return total / (2.0 * units::kPi);
}

bool inside(const std::vector<Vector2d>& polygon, const Vector2d& p, int rays = 5) {
    Vector2d boxMin = polygon.front(), boxMax = polygon.front();
    for (const Vector2d& v : polygon) {
        boxMin = Vector2d(std::min(boxMin.x, v.x), std::min(boxMin.y, v.y));
        boxMax = Vector2d(std::max(boxMax.x, v.x), std::max(boxMax.y, v.y));
    }
    return isInsidePolygon(polygon, p, boxMin, boxMax, rays);
}

// A "U": the notch between x 1..2 reaches down to y 1.
const std::vector<Vector2d> U_SHAPE = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};

// A five-pointed star, strongly concave.
std::vector<Vector2d> star() {
    std::vector<Vector2d> points;
    for (int k = 0; k < 10; ++k) {
        double radius = (k % 2 == 0) ? 10.0 : 4.0;
        double angle = k * units::kPi / 5.0;
        points.emplace_back(radius * std::sin(angle), radius * std::cos(angle));
    }
    return points;
}

}  // namespace

TEST(PointInTriangle, InsideOutsideAndEdgeTolerance) {
    const Vector2f a(0, 0), b(4, 0), c(0, 4);
    // On an edge or a vertex is outside by the tolerance; (2, 0.01) is inside by more.
    const std::pair<Vector2f, bool> points[] = {
        {{1, 1}, true}, {{3, 3}, false}, {{2, 0}, false}, {{0, 0}, false}, {{2, 2}, false}, {{2, 0.01f}, true}};
    for (const auto& [p, expected] : points) {
        EXPECT_EQ(std::make_pair(isPointInTriangle(p, a, b, c), isPointInTriangle(p, a, c, b)), std::make_pair(expected, expected)) << p.x;
    }
    // A degenerate triangle contains nothing.
    EXPECT_FALSE(isPointInTriangle(Vector2f(1, 1), a, Vector2f(2, 2), Vector2f(3, 3)));
}

TEST(PointInPolygon, AgreesWithWindingNumberOnVertexAlignedPoints) {
    // Half-unit grid points lie level with every vertex of the U, the diamond
    // and the square, where rays easily pass through vertices: even a single
    // ray must decide them right.
    const std::vector<Vector2d> diamond = {{0, -2}, {2, 0}, {0, 2}, {-2, 0}};
    const std::vector<Vector2d> square = {{0, 0}, {0, 0}, {4, 0}, {4, 4}, {4, 4}, {0, 4}};  // repeated vertices
    const std::vector<Vector2d> reversedU(U_SHAPE.rbegin(), U_SHAPE.rend());
    for (const auto& polygon : {star(), U_SHAPE, reversedU, diamond, square}) {
        int checked = 0;
        for (double x = -3; x <= 5; x += 0.5) {
            for (double y = -3; y <= 5; y += 0.5) {
                const double turns = windingTurns(polygon, Vector2d(x, y));
                if (!(std::fabs(turns - std::round(turns)) < 1e-6)) continue;  // on the outline
                const bool expected = std::lround(turns) != 0;
                for (int rays : {1, 2, 3, 5, 8}) ASSERT_EQ(inside(polygon, Vector2d(x, y), rays), expected) << x << " " << y << " " << rays;
                ++checked;
            }
        }
        EXPECT_GT(checked, 250);
    }
    EXPECT_FALSE(inside({{1, 1}, {1, 1}, {1, 1}}, Vector2d(1, 1)));  // too few distinct vertices
    // A hair's breadth from an edge.
    EXPECT_TRUE(inside(U_SHAPE, Vector2d(1.0 - 1e-9, 2.0)));
    EXPECT_FALSE(inside(U_SHAPE, Vector2d(1.0 + 1e-9, 2.0)));
}
