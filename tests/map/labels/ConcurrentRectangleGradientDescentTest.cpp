#include <gtest/gtest.h>

#include "map/labels/ConcurrentRectangleGradientDescent.h"
#include "map/labels/RectangleGradientDescent.h"
#include "support/Eventually.h"
#include "ScatteredRects.h"

namespace {
const LabelRect kBounds{0, 0, 1280, 720};

TEST(ConcurrentRectangleGradientDescent, GivesTheResultOfTheLatestStartOnly) {
    ConcurrentRectangleGradientDescent crgd;
    EXPECT_FALSE(crgd.isFinished());
    crgd.start({}, kBounds, 40);
    ASSERT_TRUE(eventually([&] { return crgd.isFinished(); }));
    EXPECT_TRUE(crgd.getResult().empty());

    // Starts and aborts while the worker is busy, some at once, some after
    // it had time to get going.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        crgd.start(scatteredRects(300, kBounds, 40, 140, seed), kBounds, 40);
        if (seed % 3 == 0) std::this_thread::sleep_for(std::chrono::microseconds(300 * (seed % 7)));
        if (seed % 4 == 0) {
            crgd.abort();
            EXPECT_TRUE(!crgd.isFinished() && crgd.getResult().empty());
        }
    }
    const std::vector<LabelRect> last = scatteredRects(120, kBounds, 40, 140, 99);
    crgd.start(last, kBounds, 40);
    ASSERT_TRUE(eventually([&] { return crgd.isFinished(); }, 10000));
    EXPECT_TRUE(crgd.getResult() == descendRectangles(last, kBounds, 40).rects);

    crgd.start(scatteredRects(300, kBounds, 40, 140, 7), kBounds, 40);  // and goes away while it runs
}
}  // namespace
