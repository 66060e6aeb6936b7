#pragma once
#include <irrlicht.h>

#include <set>
#include <string>
#include <vector>

class IniFile;

// The layout arithmetic of the panel manager, free of any window so that it
// can be checked exactly: which sections of the configuration make up the
// current screen, on which pages, in which pixel rectangles.

// The display settings of the configuration's unnamed section that the panel
// manager carries for every panel.
struct PanelDisplaySettings {
    std::string skinMode = "Dark";
    std::set<std::string> irrelevantAirspaces;
    bool messagesDisabled = false;
    bool drawFPS = false;
    int terrainDetailLevel = 0;  // 0 low, 1 medium, 2 high
    int panelCount = 0;
    bool useColoredButtons = false;
};

PanelDisplaySettings readPanelDisplaySettings(const IniFile& ini);

// "A, B ,C" -> {"A", "B", "C"}; empty items are dropped.
std::set<std::string> splitAirspaceBlacklist(const std::string& text);

// One panel section ("P<index>") that belongs to the current orientation.
struct PanelPlacement {
    int sectionIndex = 0;
    std::string section;  // "P<index>"
    int factoryIndex = 0;
    int page = 0;
    double sx = 0, sy = 0, tx = 1, ty = 1;  // fractions of the panel area
};

// The screen band the panels share: the full width and the vertical band the
// menu leaves free.
struct PanelArea {
    int width = 0;
    int top = 0;
    int height = 0;
};

struct PanelLayoutResult {
    std::vector<PanelPlacement> placements;  // in section order
    int pageCount = 1;                       // at least one, even when empty
    std::vector<std::string> problems;       // sections skipped, for the log
};

// Reads sections P0 .. P<panelCount - 1> and keeps those of the orientation
// (an empty or missing "Portrait" is landscape); missing sections are passed
// over. A FactoryIndex outside
// 0 .. factoryCount - 1 skips the section with a line in `problems`.
PanelLayoutResult readPanelLayout(const IniFile& ini, int panelCount, bool portrait, int factoryCount);

// Pixel rectangle of a placement; every edge is truncated to an integer.
irr::core::rect<int> panelRectangle(const PanelPlacement& placement, const PanelArea& area);

// Page turning with wrap-around in both directions.
int nextPageOf(int page, int pageCount);
int previousPageOf(int page, int pageCount);
