#include <gtest/gtest.h>

#include <algorithm>

#include "map/labels/RectangleQuadTree.h"
#include "ScatteredRects.h"

namespace {
// Labels of all sizes, some across the tree's split lines, some sharing
// edges, stacked on top of each other or of no size at all: every answer of
// the tree must be the one a search through all of them gives.
TEST(RectangleQuadTree, AnswersAsASearchThroughAll) {
    const LabelRect area{-50, 20, 1000, 600};
    RectangleQuadTree tree;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::vector<LabelRect> rects = scatteredRects(300 / int(seed), area, 2, 150, seed);
        rects.push_back(rects[0]);
        rects.push_back(LabelRect{rects[1].right(), rects[1].top, 10, 10});
        rects.push_back(area);
        rects.push_back(LabelRect{rects[2].left + 1, rects[2].top + 1, 0, 0});
        tree.rebuild(rects);

        double total = 0;
        for (size_t i = 0; i < rects.size(); ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) total += overlapArea(rects[i], rects[j]);
        }
        EXPECT_NEAR(tree.totalOverlap(), total, 1e-6 * total);

        for (const LabelRect& probe : scatteredRects(100, LabelRect{-100, 0, 1100, 700}, 1, 300, seed + 10)) {
            std::vector<int> expected, found;
            double sum = 0;
            for (int j = 0; j < int(rects.size()); ++j) {
                if (overlapArea(probe, rects[j]) > 0) expected.push_back(j);
                if (j != 5) sum += overlapArea(probe, rects[j]);
            }
            tree.query(probe, found);
            std::sort(found.begin(), found.end());
            EXPECT_EQ(found, expected);
            EXPECT_NEAR(tree.overlapSum(probe, 5), sum, 1e-9 * (1 + sum));
        }
    }
}
}  // namespace
