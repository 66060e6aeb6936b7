#pragma once
#include <algorithm>

// An axis-aligned rectangle in panel pixels (y grows downwards), the shape of
// one label or overlay box on the map.
struct LabelRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }

    bool operator==(const LabelRect& other) const {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};

// The area two rectangles share; 0 when they only touch.
inline double overlapArea(const LabelRect& a, const LabelRect& b) {
    const double w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const double h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Where a label of the given size goes when nothing is in its way: its
// top-left corner at (offsetX, offsetY) from the anchor, the point on the map
// it names. A label right of a symbol, vertically centred, is
// labelRectNear(x, y, w, h, gap, -h / 2).
inline LabelRect labelRectNear(double anchorX, double anchorY, double width, double height, double offsetX,
                               double offsetY) {
    return LabelRect{anchorX + offsetX, anchorY + offsetY, width, height};
}
