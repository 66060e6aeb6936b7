#include "panels/PanelLayout.h"

#include "base/IniFile.h"
#include "base/StringConversions.h"

namespace {

std::string trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool isOn(const IniFile& ini, const char* key) { return convertStringTo<int>(ini.get("", key)) != 0; }

}  // namespace

std::set<std::string> splitAirspaceBlacklist(const std::string& text) {
    std::set<std::string> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        const std::string item = trim(text.substr(start, comma - start));
        if (!item.empty()) items.insert(item);
        start = comma + 1;
    }
    return items;
}

PanelDisplaySettings readPanelDisplaySettings(const IniFile& ini) {
    PanelDisplaySettings s;
    const std::string mode = ini.get("", "skinMode");
    if (!mode.empty()) s.skinMode = mode;
    s.irrelevantAirspaces = splitAirspaceBlacklist(ini.get("", "blacklist"));
    s.messagesDisabled = isOn(ini, "messagesDisabled");
    s.drawFPS = isOn(ini, "drawFPS");
    const std::string detail = ini.get("", "terrainDetailLevel");
    s.terrainDetailLevel = detail == "HIGH" ? 2 : detail == "MEDIUM" ? 1 : 0;
    s.panelCount = convertStringTo<int>(ini.get("", "PanelCount"));
    s.useColoredButtons = isOn(ini, "useColoredButtons");
    return s;
}

PanelLayoutResult readPanelLayout(const IniFile& ini, int panelCount, bool portrait, int factoryCount) {
    PanelLayoutResult result;
    for (int i = 0; i < panelCount; ++i) {
        const std::string section = "P" + std::to_string(i);
        // PanelCount may promise more sections than the file holds.
        if (!ini.isSectionAvailable(section)) continue;
        const bool sectionPortrait = convertStringTo<int>(ini.get(section, "Portrait")) != 0;
        if (sectionPortrait != portrait) continue;
        PanelPlacement p;
        p.sectionIndex = i;
        p.section = section;
        p.page = convertStringTo<int>(ini.get(section, "Page"));
        p.factoryIndex = convertStringTo<int>(ini.get(section, "FactoryIndex"));
        if (p.factoryIndex < 0 || p.factoryIndex >= factoryCount) {
            result.problems.push_back("panel " + section + " skipped: FactoryIndex " + std::to_string(p.factoryIndex) +
                                      " is not a known panel kind");
            continue;
        }
        if (p.page < 0) {
            result.problems.push_back("panel " + section + " skipped: negative Page");
            continue;
        }
        p.sx = convertStringTo<double>(ini.get(section, "ViewPortSX"));
        p.sy = convertStringTo<double>(ini.get(section, "ViewPortSY"));
        p.tx = convertStringTo<double>(ini.get(section, "ViewPortTX"));
        p.ty = convertStringTo<double>(ini.get(section, "ViewPortTY"));
        if (p.page + 1 > result.pageCount) result.pageCount = p.page + 1;
        result.placements.push_back(p);
    }
    return result;
}

irr::core::rect<int> panelRectangle(const PanelPlacement& p, const PanelArea& a) {
    return irr::core::rect<int>(static_cast<int>(a.width * p.sx), static_cast<int>(a.top + a.height * p.sy),
                                static_cast<int>(a.width * p.tx), static_cast<int>(a.top + a.height * p.ty));
}

int nextPageOf(int page, int pageCount) { return pageCount <= 0 ? 0 : (page + 1) % pageCount; }

int previousPageOf(int page, int pageCount) {
    if (pageCount <= 0) return 0;
    return page <= 0 ? pageCount - 1 : page - 1;
}
