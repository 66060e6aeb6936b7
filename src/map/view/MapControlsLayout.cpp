#include "map/view/MapControlsLayout.h"

#include <algorithm>

MapControlsLayout MapControlsLayout::forPanel(int left, int top, int right, int bottom, int buttonWidth,
                                              int buttonHeight) {
    MapControlsLayout l;
    const int width = right - left, height = bottom - top;
    // A small panel keeps most of its area for the map.
    const int size = std::max(1, std::min({buttonHeight, width / 6, height / 5}));
    const int zoomWidth = std::max(1, std::min(buttonWidth / 2, size));
    const int gap = std::max(1, size / 6);
    const int zoomHeight = std::min(height - 2 * gap, 3 * size);
    l.zoom = {right - gap - zoomWidth, top + (height - zoomHeight) / 2, right - gap, top + (height + zoomHeight) / 2};
    l.orientation = {left + gap, top + gap, left + gap + size, top + gap + size};
    l.follow = {left + gap, top + 2 * gap + size, left + gap + size, top + 2 * gap + 2 * size};
    return l;
}

MapControlsLayout::Hit MapControlsLayout::hitTest(int x, int y, bool followShown) const {
    if (zoom.contains(x, y)) return y < (zoom.top + zoom.bottom) / 2 ? ZOOM_IN : ZOOM_OUT;
    if (orientation.contains(x, y)) return ORIENTATION;
    if (followShown && follow.contains(x, y)) return FOLLOW;
    return NONE;
}
