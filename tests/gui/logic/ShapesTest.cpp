#include "gui/logic/Shapes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace shapes;

namespace {
double area(const Triangles& t) {
    double sum = 0;
    for (size_t i = 0; i + 2 < t.size(); i += 3)
        sum +=
            std::fabs((t[i + 1].x - t[i].x) * (t[i + 2].y - t[i].y) - (t[i + 1].y - t[i].y) * (t[i + 2].x - t[i].x)) /
            2;
    return sum;
}

}  // namespace

TEST(Shapes, QuadTurnsCounterClockwiseAboutTheChosenPoint) {
    // A 20x10 quad turned by +90 degrees about its middle: its upper left
    // corner ends at the lower left.
    auto c = rotatedQuad(0, 0, 20, 10, 90, 0.5, 0.5);
    EXPECT_NEAR(c[0].x, 5, 1e-9);
    EXPECT_NEAR(c[0].y, 15, 1e-9);
    // A needle pointing up from the dial's centre at (100, 100), turned
    // clockwise by 90 degrees (angle -90) about its foot, points right.
    c = rotatedQuad(98, 60, 4, 40, -90, 0.5, 1.0);
    const double tipX = (c[0].x + c[1].x) / 2, tipY = (c[0].y + c[1].y) / 2;
    EXPECT_NEAR(tipX, 140, 1e-9);
    EXPECT_NEAR(tipY, 100, 1e-9);
}

TEST(Shapes, EarClippingCoversConcavePolygonsExactlyInEitherWinding) {
    // An L shape with a repeated point and a point on a straight run.
    std::vector<Vertex> l = {Vertex{0, 0}, Vertex{10, 0}, Vertex{10, 0}, Vertex{10, 4},
                             Vertex{4, 4}, Vertex{4, 10}, Vertex{2, 10}, Vertex{0, 10}};
    for (int pass = 0; pass < 2; ++pass) {
        const Triangles t = triangulatePolygon(l);
        EXPECT_EQ(t.size(), 4u * 3);  // 6 distinct corners
        EXPECT_NEAR(area(t), 10 * 4 + 4 * 6, 1e-9);
        // No triangle reaches into the notch.
        for (size_t i = 0; i < t.size(); i += 3) {
            const double cx = (t[i].x + t[i + 1].x + t[i + 2].x) / 3, cy = (t[i].y + t[i + 1].y + t[i + 2].y) / 3;
            EXPECT_FALSE(cx > 4 && cy > 4) << cx << "," << cy;
        }
        std::reverse(l.begin(), l.end());
    }
    EXPECT_TRUE(triangulatePolygon({Vertex{0, 0}, Vertex{5, 5}, Vertex{10, 10}}).empty());
    EXPECT_TRUE(triangulatePolygon({Vertex{0, 0}, Vertex{1, 0}}).empty());
}

TEST(Shapes, ThickLinesMitreRightAnglesAndBevelSharpTurns) {
    EXPECT_NEAR(area(thickPolyline({Vertex{0, 0}, Vertex{100, 0}}, 4, false)), 400, 1e-9);
    EXPECT_TRUE(thickPolyline({Vertex{0, 0}, Vertex{0, 0}}, 4, false).empty());
    // A right-angle corner at (100, 0): the mitre fills the outer corner
    // square exactly, so the line's outline reaches (102, -2).
    const Rect corner = bounds(thickPolyline({Vertex{0, 0}, Vertex{100, 0}, Vertex{100, 100}}, 4, false));
    EXPECT_NEAR(corner.right, 102, 1e-9);
    EXPECT_NEAR(corner.top, -2, 1e-9);
    // A hairpin turn would need a mitre far beyond the point; the bevel keeps
    // the outline within half the width of the turning point.
    const Rect hairpin = bounds(thickPolyline({Vertex{0, 0}, Vertex{100, 0}, Vertex{0, 1}}, 4, false));
    EXPECT_LT(hairpin.right, 102.1);
    // A closed square outline is mitred at all four corners.
    EXPECT_NEAR(bounds(thickPolyline({Vertex{0, 0}, Vertex{10, 0}, Vertex{10, 10}, Vertex{0, 10}}, 2, true)).left, -1,
                1e-9);
}

TEST(Shapes, ArcsRunCounterClockwiseAndWrapThroughZero) {
    const auto arc = arcPoints(0, 0, 100, 350, 10);
    ASSERT_GE(arc.size(), 2u);
    EXPECT_NEAR(arc.front().x, 100 * std::cos(350 * M_PI / 180), 1e-9);
    EXPECT_NEAR(arc.front().y, 100 * std::sin(10 * M_PI / 180), 1e-9);  // below the centre: y grows down
    EXPECT_NEAR(arc.back().y, -100 * std::sin(10 * M_PI / 180), 1e-9);
    for (const Vertex& p : arc) EXPECT_GT(p.x, 98);  // the short way through 0, not round the back
    EXPECT_TRUE(arcPoints(0, 0, 10, 30, 30).empty());
    // Chords of a circle stay within a quarter pixel of it at any radius.
    for (double r : {2.0, 50.0, 400.0}) {
        const double chordError = r * (1 - std::cos(M_PI / circleSegments(r)));
        EXPECT_LE(chordError, 0.25 + 1e-9) << r;
    }
    // Inscribed polygons: never more than the true area, never less than the
    // quarter-pixel band along the rim.
    const auto within = [](double got, double exact, double rimLength) {
        EXPECT_LE(got, exact + 1e-9);
        EXPECT_GE(got, exact - 0.25 * rimLength);
    };
    within(area(thickArc(0, 0, 50, 10, 0, 360)), M_PI * (55 * 55 - 45 * 45), 2 * M_PI * 55);
    within(area(thickArc(0, 0, 50, 10, 0, 90)), M_PI * (55 * 55 - 45 * 45) / 4, M_PI * 55 / 2);
    within(area(filledCircle(0, 0, 50)), M_PI * 2500, 2 * M_PI * 50);
}

TEST(Shapes, ClippingKeepsTheInsideAndInterpolatesTextureCoordinates) {
    const Triangles quad = quadTriangles(rotatedQuad(0, 0, 100, 100, 0, 0.5, 0.5));
    const Triangles clipped = clipTriangles(quad, Rect{50, 25, 200, 75});
    EXPECT_NEAR(area(clipped), 50 * 50, 1e-9);
    for (const Vertex& v : clipped) {
        EXPECT_GE(v.x, 50);
        EXPECT_LE(v.y, 75);
        EXPECT_NEAR(v.u, v.x / 100, 1e-12);
        EXPECT_NEAR(v.v, v.y / 100, 1e-12);
    }
    EXPECT_TRUE(clipTriangles(quad, Rect{200, 200, 300, 300}).empty());
    EXPECT_EQ(clipTriangles(quad, Rect{-1, -1, 101, 101}).size(), quad.size());
    EXPECT_TRUE(intersect(Rect{0, 0, 10, 10}, Rect{10, 0, 20, 10}).isEmpty());
}

TEST(Shapes, VisiblePartBoundsTheNonTransparentPixelsWithAPixelToSpare) {
    // 10 x 8 pixels in rows of 12, the two pixels of padding per row opaque
    // garbage that must not count.
    std::vector<uint32_t> image(12 * 8, 0x00FFFFFF);
    for (int y = 0; y < 8; ++y) image[y * 12 + 10] = image[y * 12 + 11] = 0xFF000000;
    const auto part = [&] { return visiblePart(reinterpret_cast<const uint8_t*>(image.data()), 10, 8, 12 * 4); };
    EXPECT_TRUE(part().isEmpty()) << "fully transparent";

    image[2 * 12 + 3] = 0x01000000;  // barely visible still counts
    image[5 * 12 + 6] = 0xFF000000;
    Rect r = part();
    EXPECT_DOUBLE_EQ(r.left, 0.2);
    EXPECT_DOUBLE_EQ(r.top, 0.125);
    EXPECT_DOUBLE_EQ(r.right, 0.8);
    EXPECT_DOUBLE_EQ(r.bottom, 0.875);

    // At the edges the spare pixel stays within the picture.
    image[0] = image[7 * 12 + 9] = 0xFF000000;
    r = part();
    EXPECT_TRUE(r.left == 0 && r.top == 0 && r.right == 1 && r.bottom == 1);
    EXPECT_TRUE(contains(Rect{0, 0, 1, 1}, visiblePart(nullptr, 10, 8, 40)));
}

TEST(Shapes, TextureMappedOntoAnyShapeMatchesTheTurnedQuad) {
    // The turned quad's own corners get its corner coordinates back, and the
    // turning point the centre's.
    for (double angle : {0.0, 30.0, -135.0}) {
        Triangles corners = rotatedQuad(10, 20, 200, 100, angle, 0.25, 0.5);
        const Triangles expected = corners;
        Vertex pivot;
        pivot.x = 10 + 200 * 0.25, pivot.y = 20 + 100 * 0.5;
        corners.push_back(pivot);
        mapTextureOnto(corners, 10, 20, 200, 100, angle, 0.25, 0.5);
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(corners[i].u, expected[i].u, 1e-12) << angle;
            EXPECT_NEAR(corners[i].v, expected[i].v, 1e-12) << angle;
        }
        EXPECT_NEAR(corners.back().u, 0.25, 1e-12);
        EXPECT_NEAR(corners.back().v, 0.5, 1e-12);
    }
}

TEST(Shapes, PolygonAroundACircleTouchesItWithEverySide) {
    std::vector<Vertex> octagon;
    polygonAroundCircle(5, -3, 10, 8, octagon);
    ASSERT_EQ(octagon.size(), 8u);
    for (size_t i = 0; i < 8; ++i) {
        const Vertex& a = octagon[i];
        const Vertex& b = octagon[(i + 1) % 8];
        EXPECT_NEAR(std::hypot((a.x + b.x) / 2 - 5, (a.y + b.y) / 2 + 3), 10, 1e-9);
    }
}

TEST(Shapes, RoundShapesWithFewCornersStayWithinTheirTolerance) {
    // Corners chosen for a tolerance keep every corner within it, and one
    // corner fewer would not.
    for (double radius : {20.0, 124.0, 400.0})
        for (double tolerance : {0.25, 1.5, 12.0}) {
            const int n = cornersAround(radius, tolerance);
            EXPECT_LE(radius / std::cos(M_PI / n) - radius, tolerance + 1e-9) << radius << " " << tolerance;
            if (n > 3) {
                EXPECT_GT(radius / std::cos(M_PI / (n - 1)) - radius, tolerance) << radius << " " << tolerance;
            }
        }
    EXPECT_EQ(cornersAround(10, 100), 3);
    // A ring covers the whole annulus between its circles, reaches no
    // farther than its bound, and has the polygons' area.
    Triangles ring;
    const int n = 12;
    polygonRing(5, -3, 40, 60, n, ring);
    ASSERT_EQ(ring.size(), size_t(n) * 6);
    const double outer = 60 / std::cos(M_PI / n);
    for (const Vertex& v : ring) EXPECT_LE(std::hypot(v.x - 5, v.y + 3), outer + 1e-9);
    const double polygon = n / 2.0 * std::sin(2 * M_PI / n);  // area of a unit-circumradius polygon
    EXPECT_NEAR(area(ring), polygon * (outer * outer - 40 * 40), 1e-6);
    auto covered = [&](double x, double y) {
        for (size_t i = 0; i + 2 < ring.size(); i += 3) {
            const Vertex &a = ring[i], &b = ring[i + 1], &c = ring[i + 2];
            const double d1 = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
            const double d2 = (c.x - b.x) * (y - b.y) - (c.y - b.y) * (x - b.x);
            const double d3 = (a.x - c.x) * (y - c.y) - (a.y - c.y) * (x - c.x);
            if ((d1 >= -1e-9 && d2 >= -1e-9 && d3 >= -1e-9) || (d1 <= 1e-9 && d2 <= 1e-9 && d3 <= 1e-9)) return true;
        }
        return false;
    };
    for (int degrees = 0; degrees < 360; degrees += 7)
        for (double r : {40.0 + 1e-6, 50.0, 60.0 - 1e-6}) {
            const double a = degrees * M_PI / 180;
            EXPECT_TRUE(covered(5 + r * std::cos(a), -3 + r * std::sin(a))) << degrees << " " << r;
        }
}
