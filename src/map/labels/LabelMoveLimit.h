#pragma once
#include "map/labels/LabelRect.h"

// Where one label may go: its top-left corner no farther than maxMove from
// where the label started (so the label still reads as belonging to its
// anchor), and the label inside the bounds (the panel) wherever that is
// within reach. A label wider or taller than the bounds covers them in that
// direction instead.
class LabelMoveLimit {
public:
    LabelMoveLimit(const LabelRect& start, const LabelRect& bounds, double maxMove);

    // The allowed top-left corner nearest to (x, y), in the sense that it
    // lies on the straight way from an allowed point towards (x, y); exact
    // for points inside the bounds. Updates x and y in place.
    void clamp(double& x, double& y) const;

private:
    double startX, startY, maxMove;
    // The range of the top-left corner that keeps the label inside the bounds.
    double minX, maxX, minY, maxY;
};
