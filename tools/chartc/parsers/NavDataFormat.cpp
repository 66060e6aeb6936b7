#include "parsers/NavDataFormat.h"

#include "parsers/ParseSupport.h"

#include <sstream>

namespace {

NavDataFormat formatOfXPlaneVersion(long version) {
    switch (version) {
    case 600: return NavDataFormat::FIX_DAT;
    case 640: return NavDataFormat::AWY_DAT;
    case 740: case 810: case 850: case 1150: return NavDataFormat::NAV_DAT;
    case 715: case 1000: case 1050: return NavDataFormat::APT_DAT;
    default: return NavDataFormat::UNKNOWN;
    }
}

// From X-Plane 11 on all four files share their version numbers (1100,
// 1101, 1200); the version line usually names the file kind in its
// metadata ("metadata NavXP1100"), and otherwise the first record tells.
bool isSharedXPlaneVersion(long version) { return version == 1100 || version == 1101 || version == 1200; }

NavDataFormat formatOfMetadata(const std::string& versionLine) {
    const std::pair<const char*, NavDataFormat> kinds[] = {{"AptXP", NavDataFormat::APT_DAT},
                                                           {"NavXP", NavDataFormat::NAV_DAT},
                                                           {"FixXP", NavDataFormat::FIX_DAT},
                                                           {"AwyXP", NavDataFormat::AWY_DAT}};
    for (const auto& kind : kinds)
        if (versionLine.find(kind.first) != std::string::npos)
            return kind.second;
    return NavDataFormat::UNKNOWN;
}

// apt.dat begins with an airport row (1, 16, 17: code elevation flags ident
// name); nav.dat rows with a small row code and a latitude; fix.dat rows
// with the latitude; awy.dat rows with an ident, its region and its kind.
NavDataFormat formatOfFirstRecord(const LineTokens& tokens) {
    long code = 0, flag = 0;
    double number = 0;
    if (tokens.getInt(0, code) && (code == 1 || code == 16 || code == 17) && tokens.getInt(1, flag) &&
        tokens.getInt(2, flag) && tokens.getInt(3, flag) && tokens.size() >= 5)
        return NavDataFormat::APT_DAT;
    if (tokens.getInt(0, code) && tokens.getDouble(1, number) && tokens.size() >= 10)
        return NavDataFormat::NAV_DAT;
    if (tokens.getDouble(0, number) && tokens.getDouble(1, number) && tokens.size() >= 5)
        return NavDataFormat::FIX_DAT;
    if (!tokens.getDouble(0, number) && tokens.getInt(2, code) && tokens.getInt(5, code) && tokens.size() >= 11)
        return NavDataFormat::AWY_DAT;
    return NavDataFormat::UNKNOWN;
}

}  // namespace

NavDataFormat detectNavDataFormat(const std::string& head) {
    std::istringstream in(head);
    std::string line;
    int lines = 0;
    bool sharedVersion = false;
    bool sawContent = false;
    while (std::getline(in, line) && lines++ < 200) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const LineTokens tokens(line);
        if (tokens.size() == 0)
            continue;
        const std::string first = tokens[0];
        if (first[0] == '{' && !sawContent)
            return NavDataFormat::GEOJSON;
        sawContent = true;
        if (sharedVersion)
            return formatOfFirstRecord(tokens);
        if (first.compare(0, 8, "#poi.dat") == 0 || (first == "#" && tokens[1] == "poi.dat"))
            return NavDataFormat::POI_DAT;
        long version = 0;
        if (tokens.size() > 1 && tokens[1] == "Version" && parseLong(first, version)) {
            if (!isSharedXPlaneVersion(version))
                return formatOfXPlaneVersion(version);
            const NavDataFormat named = formatOfMetadata(line);
            if (named != NavDataFormat::UNKNOWN)
                return named;
            sharedVersion = true;
            continue;
        }
        if (first == "I" || first == "A")
            continue;
        if (first == "AC" || first == "AN" || first == "DP")
            return NavDataFormat::OPENAIR;
    }
    return NavDataFormat::UNKNOWN;
}

const char* getNavDataFormatName(NavDataFormat format) {
    switch (format) {
    case NavDataFormat::APT_DAT: return "apt.dat";
    case NavDataFormat::NAV_DAT: return "nav.dat";
    case NavDataFormat::FIX_DAT: return "fix.dat";
    case NavDataFormat::AWY_DAT: return "awy.dat";
    case NavDataFormat::POI_DAT: return "poi.dat";
    case NavDataFormat::OPENAIR: return "OpenAir";
    case NavDataFormat::GEOJSON: return "GeoJSON";
    default: return "unknown";
    }
}
