#include "panels/MenuLayout.h"

#include <algorithm>

using irr::core::rect;

MenuBandLayout layoutMenuBand(int screenWidth, int screenHeight, int buttonWidth, int buttonHeight) {
    MenuBandLayout l;
    const int h = std::max(1, std::min(buttonHeight, screenHeight / 4));
    // Arrows are square-ish; the label between them shows "2 / 5".
    const int arrow = std::min(std::max(h, buttonWidth / 2), screenWidth / 6);
    const int menuWidth = std::min(buttonWidth, screenWidth / 3);
    const int labelWidth = std::min(buttonWidth, screenWidth / 4);
    l.band = rect<int>(0, 0, screenWidth, h);
    l.menuButton = rect<int>(0, 0, menuWidth, h);
    l.nextPage = rect<int>(screenWidth - arrow, 0, screenWidth, h);
    l.pageLabel = rect<int>(l.nextPage.UpperLeftCorner.X - labelWidth, 0, l.nextPage.UpperLeftCorner.X, h);
    l.previousPage = rect<int>(l.pageLabel.UpperLeftCorner.X - arrow, 0, l.pageLabel.UpperLeftCorner.X, h);
    l.panelTop = h;
    l.panelHeight = std::max(0, screenHeight - h);
    return l;
}

MenuGridLayout layoutMenuGrid(const rect<int>& area, int count, int minWidth, int buttonHeight, int previewCount) {
    MenuGridLayout g;
    if (count <= 0 || area.getWidth() <= 0 || area.getHeight() <= 0) return g;
    const int gap = std::max(2, buttonHeight / 5);
    const int width = area.getWidth() - gap;
    const int columns = std::max(1, std::min(count, width / std::max(1, minWidth + gap)));
    const int rows = (count + columns - 1) / columns;
    const int cellWidth = width / columns;
    const int cellHeight = buttonHeight + gap;
    for (int i = 0; i < count; ++i) {
        const int x = area.UpperLeftCorner.X + gap + (i % columns) * cellWidth;
        const int y = area.UpperLeftCorner.Y + gap + (i / columns) * cellHeight;
        g.buttons.emplace_back(x, y, x + cellWidth - gap, y + buttonHeight);
    }
    if (previewCount > 0) {
        const int top = area.UpperLeftCorner.Y + gap + rows * cellHeight;
        const int available = area.LowerRightCorner.Y - top - gap;
        // Thumbnails keep the panel area's aspect ratio and share one row.
        const double aspect = static_cast<double>(area.getWidth()) / area.getHeight();
        int thumbWidth = (width - previewCount * gap) / previewCount;
        int thumbHeight = static_cast<int>(thumbWidth / aspect);
        if (thumbHeight > available) {
            thumbHeight = std::max(0, available);
            thumbWidth = static_cast<int>(thumbHeight * aspect);
        }
        if (thumbWidth > 0 && thumbHeight > 0)
            for (int i = 0; i < previewCount; ++i) {
                const int x = area.UpperLeftCorner.X + gap + i * (thumbWidth + gap);
                g.previews.emplace_back(x, top, x + thumbWidth, top + thumbHeight);
            }
    }
    return g;
}
