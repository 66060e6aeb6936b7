#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "base/Units.h"
#include "geo/PolygonTests.h"

namespace {

// Independent reference: the winding number of the outline about p.
int windingNumber(const std::vector<Vector2d>& polygon, const Vector2d& p) {
    double total = 0.0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        Vector2d a = polygon[i] - p;
        Vector2d b = polygon[(i + 1) % polygon.size()] - p;
        total += std::atan2(a.cross(b), a.dot(b));
    }
    return int(std::lround(total / (2.0 * units::kPi)));
}

double distanceToSegment(const Vector2d& p, const Vector2d& a, const Vector2d& b) {
    Vector2d ab = b - a;
    double t = std::max(0.0, std::min(1.0, (p - a).dot(ab) / ab.dot(ab)));
    return (p - (a + ab * t)).getLength();
}

double distanceToOutline(const std::vector<Vector2d>& polygon, const Vector2d& p) {
    double best = 1e300;
    for (size_t i = 0; i < polygon.size(); ++i)
        best = std::min(best, distanceToSegment(p, polygon[i], polygon[(i + 1) % polygon.size()]));
    return best;
}

bool inside(const std::vector<Vector2d>& polygon, const Vector2d& p, int rays = 5) {
    Vector2d boxMin = polygon.front(), boxMax = polygon.front();
    for (const Vector2d& v : polygon) {
        boxMin = Vector2d(std::min(boxMin.x, v.x), std::min(boxMin.y, v.y));
        boxMax = Vector2d(std::max(boxMax.x, v.x), std::max(boxMax.y, v.y));
    }
    return isInsidePolygon(polygon, p, boxMin, boxMax, rays);
}

std::vector<Vector2d> reversed(std::vector<Vector2d> polygon) {
    return {polygon.rbegin(), polygon.rend()};
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
    const std::pair<Vector2f, bool> points[] = {
        {{1, 1}, true},     {{3, 3}, false}, {{-1, 1}, false},
        {{2, 0}, false},    {{0, 0}, false}, {{2, 2}, false},  // on an edge or a vertex: outside by the tolerance
        {{2, 0.01f}, true},                                   // inside by more than the tolerance
    };
    for (const auto& [p, expected] : points) {
        EXPECT_EQ(isPointInTriangle(p, a, b, c), expected) << p.x << " " << p.y;
        EXPECT_EQ(isPointInTriangle(p, a, c, b), expected) << p.x << " " << p.y << " other winding";
    }
    // A degenerate triangle contains nothing.
    EXPECT_FALSE(isPointInTriangle(Vector2f(1, 1), a, Vector2f(2, 2), Vector2f(3, 3)));
}

TEST(PointInPolygon, TooFewVerticesContainNothing) {
    EXPECT_FALSE(isInsidePolygon(std::vector<Vector2d>(), Vector2d(0, 0), Vector2d(-1, -1), Vector2d(1, 1), 5));
    std::vector<Vector2d> segment = {{0, 0}, {1, 1}};
    EXPECT_FALSE(isInsidePolygon(segment, Vector2d(0.5, 0.5), Vector2d(0, 0), Vector2d(1, 1), 5));
    std::vector<Vector2d> allSame = {{1, 1}, {1, 1}, {1, 1}};
    EXPECT_FALSE(isInsidePolygon(allSame, Vector2d(1, 1), Vector2d(1, 1), Vector2d(1, 1), 3));
}

TEST(PointInPolygon, AgreesWithWindingNumberOnRandomAndVertexAlignedPoints) {
    // Half-unit grid points lie level with every vertex of the U, the diamond
    // and the square, where rays easily pass through vertices: even a single
    // ray must decide them right. Random points in general position are put to
    // the vote of five rays, as the callers do.
    const std::vector<Vector2d> diamond = {{0, -2}, {2, 0}, {0, 2}, {-2, 0}};
    const std::vector<Vector2d> square = {{0, 0}, {0, 0}, {4, 0}, {4, 4}, {4, 4}, {0, 4}};  // repeated vertices
    const std::vector<Vector2d> shapes[] = {star(), reversed(star()), U_SHAPE, reversed(U_SHAPE), diamond, square};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-12.0, 12.0);
    std::vector<std::pair<Vector2d, std::vector<int>>> points;
    for (int i = 0; i < 3000; ++i) points.push_back({{coordinate(random), coordinate(random)}, {5}});
    for (double x = -3; x <= 5; x += 0.5)
        for (double y = -3; y <= 5; y += 0.5) points.push_back({{x, y}, {1, 2, 3, 5, 8}});
    for (const auto& polygon : shapes) {
        int checked = 0;
        for (const auto& [p, rayCounts] : points) {
            if (distanceToOutline(polygon, p) < 1e-6) continue;
            const bool expected = windingNumber(polygon, p) != 0;
            for (int rays : rayCounts) ASSERT_EQ(inside(polygon, p, rays), expected) << p.x << " " << p.y << " " << rays;
            ++checked;
        }
        EXPECT_GT(checked, 3000);
    }
    // A hair's breadth from an edge.
    EXPECT_TRUE(inside(U_SHAPE, Vector2d(1.0 - 1e-9, 2.0)));
    EXPECT_FALSE(inside(U_SHAPE, Vector2d(1.0 + 1e-9, 2.0)));
}
