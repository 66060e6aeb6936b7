// GPX tracks: only the few elements a flight track needs are read, with
// plain text scanning; a file that is not well-formed XML still yields the
// points that can be recognised.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "sensors/recording/Track.h"

namespace {

// The value of attribute `name` inside the start tag [begin, end).
bool attribute(const std::string& text, size_t begin, size_t end, const char* name, double& out) {
    const std::string key = std::string(" ") + name + "=";
    const size_t at = text.find(key, begin);
    if (at == std::string::npos || at >= end) return false;
    const size_t quote = at + key.size();
    if (quote >= end || (text[quote] != '"' && text[quote] != '\'')) return false;
    const char* start = text.c_str() + quote + 1;
    char* stop = nullptr;
    out = std::strtod(start, &stop);
    return stop != start && *stop == text[quote];
}

// The text of the first child element `name` between begin and end.
bool childText(const std::string& text, size_t begin, size_t end, const char* name, std::string& out) {
    const std::string open = std::string("<") + name + ">";
    const size_t at = text.find(open, begin);
    if (at == std::string::npos || at >= end) return false;
    const size_t close = text.find("</", at + open.size());
    if (close == std::string::npos || close > end) return false;
    out = text.substr(at + open.size(), close - at - open.size());
    return true;
}

// ISO 8601 "YYYY-MM-DDThh:mm:ss[.fff](Z|+hh:mm|-hh:mm)".
bool parseTime(const std::string& text, double& seconds) {
    std::tm t{};
    double second = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), " %4d-%2d-%2dT%2d:%2d:%lf%n", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour,
                    &t.tm_min, &second, &consumed) != 6)
        return false;
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    seconds = double(timegm(&t)) + second;
    int zoneHours = 0;
    int zoneMinutes = 0;
    const char* zone = text.c_str() + consumed;
    if ((*zone == '+' || *zone == '-') && std::sscanf(zone + 1, "%2d:%2d", &zoneHours, &zoneMinutes) == 2)
        seconds -= (*zone == '-' ? -1 : 1) * (zoneHours * 3600.0 + zoneMinutes * 60.0);
    return true;
}

void collectPoints(const std::string& text, const char* element, std::vector<TrackFix>& fixes) {
    const std::string open = std::string("<") + element;
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        const char after = at + open.size() < text.size() ? text[at + open.size()] : '\0';
        if (after != ' ' && after != '\t' && after != '\n' && after != '\r') continue;
        const size_t tagEnd = text.find('>', at);
        if (tagEnd == std::string::npos) return;
        const bool selfClosing = text[tagEnd - 1] == '/';
        const size_t pointEnd = selfClosing ? tagEnd : text.find(std::string("</") + element, tagEnd);
        TrackFix fix;
        std::string value;
        if (pointEnd == std::string::npos || !attribute(text, at, tagEnd, "lat", fix.latitude) ||
            !attribute(text, at, tagEnd, "lon", fix.longitude) || !childText(text, tagEnd, pointEnd, "time", value) ||
            !parseTime(value, fix.utcSeconds))
            continue;
        if (childText(text, tagEnd, pointEnd, "ele", value)) {
            char* stop = nullptr;
            fix.gnssAltitude = std::strtod(value.c_str(), &stop);
            fix.hasGnssAltitude = stop != value.c_str();
        }
        fixes.push_back(fix);
    }
}

}  // namespace

std::vector<TrackFix> parseGpxTrack(const std::string& text) {
    std::vector<TrackFix> fixes;
    for (const char* element : {"trkpt", "rtept", "wpt"}) {
        collectPoints(text, element, fixes);
        if (!fixes.empty()) break;
    }
    return fixes;
}

std::string writeGpxTrack(const std::vector<TrackFix>& fixes, const std::string& name) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"Cirrona\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
        " <trk>\n  <name>";
    for (char c : name) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else out += c;
    }
    out += "</name>\n  <trkseg>\n";
    char line[256];
    for (const TrackFix& fix : fixes) {
        const std::time_t t = std::time_t(std::floor(fix.utcSeconds));
        std::tm time{};
        gmtime_r(&t, &time);
        std::snprintf(line, sizeof line, "   <trkpt lat=\"%.7f\" lon=\"%.7f\">", fix.latitude, fix.longitude);
        out += line;
        const bool hasAltitude = fix.hasGnssAltitude || fix.hasPressureAltitude;
        if (hasAltitude) {
            std::snprintf(line, sizeof line, "<ele>%.1f</ele>",
                          fix.hasGnssAltitude ? fix.gnssAltitude : fix.pressureAltitude);
            out += line;
        }
        std::snprintf(line, sizeof line, "<time>%04d-%02d-%02dT%02d:%02d:%02dZ</time></trkpt>\n", time.tm_year + 1900,
                      time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
        out += line;
    }
    out += "  </trkseg>\n </trk>\n</gpx>\n";
    return out;
}
