#include "parsers/NavDataFormat.h"

#include "parsers/ParseSupport.h"

#include <sstream>

namespace {

NavDataFormat formatOfXPlaneVersion(long version) {
    switch (version) {
    case 600: return NavDataFormat::FIX_DAT;
    case 640: return NavDataFormat::AWY_DAT;
    case 740: case 810: case 850: return NavDataFormat::NAV_DAT;
    case 715: case 1000: case 1050: case 1100: return NavDataFormat::APT_DAT;
    default: return NavDataFormat::UNKNOWN;
    }
}

}  // namespace

NavDataFormat detectNavDataFormat(const std::string& head) {
    std::istringstream in(head);
    std::string line;
    int lines = 0;
    while (std::getline(in, line) && lines++ < 200) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const LineTokens tokens(line);
        if (tokens.size() == 0)
            continue;
        const std::string first = tokens[0];
        if (first.compare(0, 8, "#poi.dat") == 0 || (first == "#" && tokens[1] == "poi.dat"))
            return NavDataFormat::POI_DAT;
        long version = 0;
        if (tokens.size() > 1 && tokens[1] == "Version" && parseLong(first, version))
            return formatOfXPlaneVersion(version);
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
    default: return "unknown";
    }
}
