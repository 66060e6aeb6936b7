#include "app/config/StandardLayout.h"

#include <cstdio>
#include <string>
#include <vector>

#include "base/IniFile.h"

namespace {

// Panel kinds by their factory index.
enum Kind {
    ATTITUDE = 0, TURN = 1, MAP_2D = 2, MAP_3D = 3, ALTIMETER = 4, COMPASS = 5, ONE_SEGMENT = 6, WARNING_LAMP = 7,
    VERTICAL_SPEED = 8, SPEED = 9, SLIP = 10, G_METER = 11, BATTERY = 12, CHECK_LIST = 13, GLIDER = 14, DETAILS = 15,
    SIDE_VIEW = 16, GLIDE_INFO = 17, ENGINE = 18, TEXT = 19, BAR = 20
};

const char* const kNames[] = {"AttitudeIndicator", "TurnCoordinator", "2D-Map", "3D-Map", "Altimeter", "Compass",
                              "OneSegmentPanel", "WarningLamp", "VerticalSpeedIndicator", "Ground/AirSpeedIndicator",
                              "Slip/Skid Indicator", "G-Meter", "BatteryPanel", "CheckListPanel", "GliderPanel",
                              "Details", "SideViewPanel", "GlideInfoPanel", "EngineIndicator", "TextPanel",
                              "BarPanel"};

struct Box {
    double left, top, right, bottom;
};

struct Panel {
    Kind kind;
    Box box;
    std::string type;  // the value a one-segment panel shows
};

// The strip along the top of every page: the sensors' lamp, the battery and
// eight values, the route's among them.
constexpr double kStripSplit[] = {0.0, 0.058, 0.14};
constexpr double kLandscapeStrip = 0.0946782, kPortraitStrip = 0.06;
const char* const kStripValues[] = {"GROUNDSPEED", "HEADING", "ALTITUDE", "PRESSURE_ALTITUDE",
                                    "ETE",         "DISTANCE", "NEXTWPT", "UTC"};
// Every value a one-segment panel knows, for the page of values.
const char* const kAllValues[] = {"GROUNDSPEED", "HEADING", "ALTITUDE", "ALTITUDE_AGL", "PRESSURE_ALTITUDE",
                                  "PRESSURE_ALTITUDE_INSIDE", "ETE", "ETA", "DISTANCE", "BEARING", "NEXTWPT",
                                  "UTC", "SATCOUNT", "DEFAULTSENSORS"};

std::vector<Panel> strip(double height) {
    std::vector<Panel> panels = {{WARNING_LAMP, {kStripSplit[0], 0, kStripSplit[1], height}, ""}};
    const double width = (1.0 - kStripSplit[2]) / 8;
    for (int i = 0; i < 8; ++i)
        panels.push_back({ONE_SEGMENT, {kStripSplit[2] + i * width, 0, kStripSplit[2] + (i + 1) * width, height},
                          kStripValues[i]});
    panels.push_back({BATTERY, {kStripSplit[1], 0, kStripSplit[2], height}, ""});
    return panels;
}

// Kinds laid out in a grid of columns over the box, row by row.
std::vector<Panel> grid(const std::vector<Kind>& kinds, int columns, Box box) {
    std::vector<Panel> panels;
    const int rows = (static_cast<int>(kinds.size()) + columns - 1) / columns;
    const double w = (box.right - box.left) / columns, h = (box.bottom - box.top) / rows;
    for (size_t i = 0; i < kinds.size(); ++i) {
        const int c = static_cast<int>(i) % columns, r = static_cast<int>(i) / columns;
        panels.push_back({kinds[i], {box.left + c * w, box.top + r * h, box.left + (c + 1) * w, box.top + (r + 1) * h}, ""});
    }
    return panels;
}

std::vector<Panel> valueGrid(int count, int columns, Box box) {
    std::vector<Panel> panels = grid(std::vector<Kind>(count, ONE_SEGMENT), columns, box);
    for (size_t i = 0; i < panels.size(); ++i) panels[i].type = kAllValues[i % (sizeof kAllValues / sizeof *kAllValues)];
    return panels;
}

// The pages of one orientation, each a list of panels; the strip is added
// to every page.
std::vector<std::vector<Panel>> pages(bool portrait, int values) {
    const double top = portrait ? kPortraitStrip : kLandscapeStrip;
    const Box content{0, top, 1, 1};
    const auto split = [&](double at) {  // the map's share, and the rest beside or below it
        return portrait ? std::make_pair(Box{0, top, 1, at}, Box{0, at, 1, 1})
                        : std::make_pair(Box{0, top, at, 1}, Box{at, top, 1, 1});
    };
    const int across = portrait ? 2 : 3;
    std::vector<std::vector<Panel>> result(11);
    // 0: the map with an instrument column (a row in portrait).
    auto [map, column] = split(0.7);
    result[0] = {{MAP_2D, map, ""}};
    for (const Panel& p : grid({ATTITUDE, ALTIMETER, SPEED}, portrait ? 3 : 1, column)) result[0].push_back(p);
    // 1: the six round instruments.
    result[1] = grid({SPEED, ATTITUDE, ALTIMETER, TURN, COMPASS, VERTICAL_SPEED}, across, content);
    // 2: the three-dimensional view under the strip.
    result[2] = {{MAP_3D, {0, 0, 1, 1}, ""}};
    // 3: the map alone.
    result[3] = {{MAP_2D, content, ""}};
    // 4: gliding.
    result[4] = grid({GLIDE_INFO, GLIDER, G_METER, SLIP, TURN, VERTICAL_SPEED}, across, content);
    // 5: the engine.
    result[5] = grid({ENGINE, ENGINE, ENGINE, ENGINE, BAR, BAR}, across, content);
    // 6: the check list.
    result[6] = {{CHECK_LIST, content, ""}};
    // 7: the map with the side view of terrain below it.
    auto [upper, lower] = std::make_pair(Box{0, top, 1, 0.7}, Box{0, 0.7, 1, 1});
    result[7] = {{MAP_2D, upper, ""}, {SIDE_VIEW, lower, ""}};
    // 8: the details of what was selected.
    result[8] = {{DETAILS, content, ""}};
    // 9: the map with traffic instruments beside it.
    auto [trafficMap, side] = split(0.7);
    result[9] = {{MAP_2D, trafficMap, ""}};
    for (const Panel& p : grid({COMPASS, G_METER, VERTICAL_SPEED}, portrait ? 3 : 1, side)) result[9].push_back(p);
    // 10: every value a pilot may want, in one place.
    result[10] = valueGrid(values, 4, content);
    return result;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", value);
    return text;
}

void write(IniFile& ini, int index, const Panel& panel, int page, bool portrait) {
    const std::string section = "P" + std::to_string(index);
    ini.set(section, "FactoryIndex", std::to_string(panel.kind));
    ini.set(section, "FactoryName", kNames[panel.kind]);
    ini.set(section, "Page", std::to_string(page));
    ini.set(section, "Portrait", portrait ? "1" : "0");
    ini.set(section, "ViewPortSX", number(panel.box.left));
    ini.set(section, "ViewPortSY", number(panel.box.top));
    ini.set(section, "ViewPortTX", number(panel.box.right));
    ini.set(section, "ViewPortTY", number(panel.box.bottom));
    if (panel.kind == ONE_SEGMENT) {
        ini.set(section, "Type", panel.type);
        // Light values on the dark skin.
        for (const char* channel : {"Color.R", "Color.G", "Color.B"}) ini.set(section, channel, "235");
        ini.set(section, "Color.A", "255");
    }
    if (panel.kind == MAP_2D) ini.set(section, "coastlines", "1");
}

}  // namespace

void addStandardPanelLayout(IniFile& ini) {
    int index = 0;
    // Landscape first, with the three-dimensional page's panels leading, so
    // that P0 is its view and P10 its battery.
    for (bool portrait : {false, true}) {
        std::vector<std::vector<Panel>> all = pages(portrait, portrait ? 13 : 14);
        std::vector<int> order = {2, 0, 1, 3, 4, 5, 6, 7, 8, 9, 10};
        for (int page : order) {
            std::vector<Panel> panels = all[page];
            const std::vector<Panel> top = strip(portrait ? kPortraitStrip : kLandscapeStrip);
            panels.insert(panels.end(), top.begin(), top.end());
            for (const Panel& panel : panels) write(ini, index++, panel, page, portrait);
        }
    }
    ini.set("", "PanelCount", std::to_string(index));
}
