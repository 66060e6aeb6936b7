#include "map/labels/LabelMoveLimit.h"

#include <algorithm>
#include <cmath>

namespace {
// The allowed range of a label's near edge along one axis: the label inside
// [low, high] when it fits, covering it when it does not.
void edgeRange(double low, double high, double size, double& minEdge, double& maxEdge) {
    minEdge = low;
    maxEdge = high - size;
    if (maxEdge < minEdge) std::swap(minEdge, maxEdge);
}
}  // namespace

LabelMoveLimit::LabelMoveLimit(const LabelRect& start, const LabelRect& bounds, double maxMove)
    : startX(start.left), startY(start.top), maxMove(std::max(0.0, maxMove)) {
    edgeRange(bounds.left, bounds.right(), start.width, minX, maxX);
    edgeRange(bounds.top, bounds.bottom(), start.height, minY, maxY);
}

// The allowed set is a box (the bounds) cut by a disc (the reach around the
// start). Clamping to the box first is exact; if that leaves the point out
// of reach, it is pulled back along the line from the allowed point nearest
// the start, which keeps it in the box (both ends are) and puts it on the
// rim of the disc. When box and disc do not meet at all, the reach wins:
// the label stays as close to the bounds as it may go.
void LabelMoveLimit::clamp(double& x, double& y) const {
    x = std::clamp(x, minX, maxX);
    y = std::clamp(y, minY, maxY);
    const double dx = x - startX, dy = y - startY;
    if (dx * dx + dy * dy <= maxMove * maxMove) return;

    const double innerX = std::clamp(startX, minX, maxX) - startX;
    const double innerY = std::clamp(startY, minY, maxY) - startY;
    const double innerDistance = std::hypot(innerX, innerY);
    if (innerDistance >= maxMove) {
        const double scale = innerDistance > 0 ? maxMove / innerDistance : 0;
        x = startX + innerX * scale;
        y = startY + innerY * scale;
        return;
    }
    // |inner + t (d - inner)| = maxMove for t in [0, 1]: the positive root.
    const double ex = dx - innerX, ey = dy - innerY;
    const double a = ex * ex + ey * ey;
    const double b = 2 * (innerX * ex + innerY * ey);
    const double c = innerDistance * innerDistance - maxMove * maxMove;
    const double t = a > 0 ? std::clamp((-b + std::sqrt(std::max(0.0, b * b - 4 * a * c))) / (2 * a), 0.0, 1.0) : 0;
    x = startX + innerX + t * ex;
    y = startY + innerY + t * ey;
}
