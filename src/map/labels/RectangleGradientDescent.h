#pragma once
#include <functional>
#include <vector>

#include "map/labels/LabelRect.h"

// The outcome of one label optimisation.
struct RectangleDescentResult {
    std::vector<LabelRect> rects;  // the labels at their new places, in the order given
    int iterations = 0;
    bool stopped = false;  // ended early on request; rects are the best found until then
};

// Moves the rectangles so that they overlap each other as little as
// possible, each within maxMove (pixels) of where it starts and inside the
// bounds where it can reach them (see LabelMoveLimit). Sizes never change.
// The same input always gives the same result. stopRequested, when given, is
// asked once per step; returning true ends the run at once.
RectangleDescentResult descendRectangles(const std::vector<LabelRect>& start, const LabelRect& bounds, double maxMove,
                                         const std::function<bool()>& stopRequested = {});
