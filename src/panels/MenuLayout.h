#pragma once
#include <irrlicht.h>

#include <vector>

// Where the menu band and the menu's own window go, for any screen size and
// orientation. Pure arithmetic so every size can be checked without a window.
struct MenuBandLayout {
    irr::core::rect<int> band;          // the strip the menu keeps for itself
    irr::core::rect<int> menuButton;
    irr::core::rect<int> previousPage;
    irr::core::rect<int> pageLabel;
    irr::core::rect<int> nextPage;
    int panelTop = 0;     // the vertical band left to the panels
    int panelHeight = 0;
};

// The band runs along the top edge, one button high, with the menu button
// on the left and the page controls on the right.
MenuBandLayout layoutMenuBand(int screenWidth, int screenHeight, int buttonWidth, int buttonHeight);

// `count` equal buttons in a grid filling `area` row by row, with columns
// chosen so the buttons stay at least `minWidth` wide, and page previews
// below them when `previewCount` > 0.
struct MenuGridLayout {
    std::vector<irr::core::rect<int>> buttons;
    std::vector<irr::core::rect<int>> previews;
};
MenuGridLayout layoutMenuGrid(const irr::core::rect<int>& area, int count, int minWidth, int buttonHeight,
                              int previewCount);
