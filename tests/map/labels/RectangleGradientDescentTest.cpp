#include <gtest/gtest.h>

#include <cmath>

#include "map/labels/LabelMoveLimit.h"
#include "map/labels/RectangleGradientDescent.h"
#include "map/labels/RectangleQuadTree.h"
#include "ScatteredRects.h"

namespace {
const LabelRect kBounds{0, 0, 800, 600};

double totalOverlap(const std::vector<LabelRect>& rects) { return RectangleQuadTree(rects).totalOverlap(); }

double moved(const LabelRect& from, const LabelRect& to) { return std::hypot(to.left - from.left, to.top - from.top); }

bool inside(const LabelRect& r, const LabelRect& bounds) {
    return r.left >= bounds.left && r.top >= bounds.top && r.right() <= bounds.right() + 1e-9 &&
           r.bottom() <= bounds.bottom() + 1e-9;
}

TEST(RectangleGradientDescent, SpreadsCrowdedLabelsWithinTheirReach) {
    const std::vector<LabelRect> start = scatteredRects(200, kBounds, 30, 90, 7);
    const double before = totalOverlap(start);
    const RectangleDescentResult result = descendRectangles(start, kBounds, 40);
    ASSERT_EQ(result.rects.size(), start.size());
    EXPECT_LT(totalOverlap(result.rects), 0.1 * before) << "from " << before;
    for (size_t i = 0; i < start.size(); ++i) {
        EXPECT_LE(moved(start[i], result.rects[i]), 40 + 1e-9);
        EXPECT_TRUE(inside(result.rects[i], kBounds));
    }
    EXPECT_TRUE(descendRectangles(start, kBounds, 40).rects == result.rects);
}

TEST(RectangleGradientDescent, EdgesOfTheInput) {
    EXPECT_TRUE(descendRectangles({}, kBounds, 40).rects.empty());
    const LabelRect alone{10, 10, 50, 10};  // nothing to avoid, nowhere to go
    EXPECT_TRUE(descendRectangles({alone}, kBounds, 40).rects[0] == alone);

    // Identical labels on one spot pull each other nowhere; still they part.
    const std::vector<LabelRect> stack(3, LabelRect{400, 300, 50, 10});
    EXPECT_LT(totalOverlap(descendRectangles(stack, kBounds, 30).rects), 0.05 * totalOverlap(stack));

    // Wider than the panel: it may only cover it, and still not go too far.
    const LabelRect wide{-100, 100, 1000, 20};
    const LabelRect placed = descendRectangles({wide, wide}, kBounds, 150).rects[0];
    EXPECT_TRUE(placed.left <= kBounds.left && placed.right() >= kBounds.right());
    EXPECT_LE(moved(wide, placed), 150 + 1e-9);

    // Out of the panel, beyond reach: as near as its reach allows.
    const LabelRect outside{-80, 300, 40, 10};
    const LabelRect pulledIn = descendRectangles({outside}, kBounds, 30).rects[0];
    EXPECT_NEAR(pulledIn.left, -50, 1e-9);
    EXPECT_EQ(pulledIn.top, 300);

    const RectangleDescentResult stopped =
        descendRectangles(scatteredRects(50, kBounds, 30, 90, 1), kBounds, 40, [] { return true; });
    EXPECT_TRUE(stopped.stopped && stopped.iterations == 0);
}

// Every corner the limit gives is allowed, and an allowed corner stays put.
TEST(LabelMoveLimit, KeepsCornersInReachAndInBounds) {
    for (const LabelRect& start : scatteredRects(40, LabelRect{-20, -20, 840, 640}, 10, 60, 3)) {
        const LabelMoveLimit limit(start, kBounds, 25);
        for (const LabelRect& target : scatteredRects(40, LabelRect{-200, -200, 1200, 1000}, 1, 2, 4)) {
            double x = target.left, y = target.top;
            limit.clamp(x, y);
            const LabelRect r{x, y, start.width, start.height};
            EXPECT_LE(moved(start, r), 25 + 1e-9);
            EXPECT_TRUE(inside(r, kBounds) || !inside(start, kBounds));
            limit.clamp(x, y);
            EXPECT_NEAR(x, r.left, 1e-9);
            EXPECT_NEAR(y, r.top, 1e-9);
        }
    }
    // Sent off out of reach from just outside the panel: pulled back along
    // the way from the nearest allowed corner, onto the rim of its reach.
    const LabelMoveLimit nearEdge(LabelRect{-10, 100, 40, 10}, kBounds, 25);
    double x = -100, y = 200;
    nearEdge.clamp(x, y);
    EXPECT_TRUE(std::abs(x) < 1e-9 && std::abs(y - 100 - std::sqrt(525.0)) < 1e-9) << x << ", " << y;
}
}  // namespace
