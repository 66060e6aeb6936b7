// IGC, the FAI format of gliding loggers. A B record is fixed-width:
//   B HHMMSS DDMMmmm[NS] DDDMMmmm[EW] [AV] PPPPP GGGGG
// with latitude and longitude in degrees, minutes and thousandths of minutes,
// A for a 3D fix (V: 2D or none), then pressure and GNSS altitude in metres.
#include <cmath>
#include <cstdio>
#include <ctime>
#include <sstream>

#include "sensors/recording/Track.h"

namespace {

const size_t kBRecordLength = 35;

bool digits(const std::string& s, size_t at, size_t count, int& value) {
    if (at + count > s.size()) return false;
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

// "DDMMmmm" + hemisphere, degreeDigits being 2 or 3.
bool angle(const std::string& s, size_t at, size_t degreeDigits, char negative, double& out) {
    int degrees = 0;
    int milliMinutes = 0;
    if (!digits(s, at, degreeDigits, degrees) || !digits(s, at + degreeDigits, 5, milliMinutes)) return false;
    const char hemisphere = s[at + degreeDigits + 5];
    out = degrees + milliMinutes / 60000.0;
    if (hemisphere == negative) out = -out;
    return true;
}

// Altitudes may be negative ("-0012").
bool altitude(const std::string& s, size_t at, double& out) {
    int value = 0;
    const bool negative = s[at] == '-';
    if (!digits(s, at + (negative ? 1 : 0), negative ? 4 : 5, value)) return false;
    out = negative ? -value : value;
    return true;
}

double midnightUtc(int day, int month, int year) {
    std::tm t{};
    t.tm_mday = day;
    t.tm_mon = month - 1;
    t.tm_year = year - 1900;
    return double(timegm(&t));
}

bool parseDate(const std::string& line, double& midnight) {
    size_t at = 5;
    if (line.compare(5, 5, "DATE:") == 0) at = 10;
    int day = 0;
    int month = 0;
    int year = 0;
    if (!digits(line, at, 2, day) || !digits(line, at + 2, 2, month) || !digits(line, at + 4, 2, year)) return false;
    midnight = midnightUtc(day, month, year < 80 ? 2000 + year : 1900 + year);
    return true;
}

}  // namespace

std::vector<TrackFix> parseIgcTrack(const std::string& text) {
    std::vector<TrackFix> fixes;
    std::istringstream lines(text);
    std::string line;
    double midnight = -1;
    double dayOffset = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, 5, "HFDTE") == 0) {
            parseDate(line, midnight);
            continue;
        }
        if (line.size() < kBRecordLength || line[0] != 'B' || midnight < 0) continue;
        int h = 0, m = 0, s = 0;
        TrackFix fix;
        if (!digits(line, 1, 2, h) || !digits(line, 3, 2, m) || !digits(line, 5, 2, s) ||
            !angle(line, 7, 2, 'S', fix.latitude) || !angle(line, 15, 3, 'W', fix.longitude))
            continue;
        fix.hasPressureAltitude = altitude(line, 25, fix.pressureAltitude);
        fix.hasGnssAltitude = altitude(line, 30, fix.gnssAltitude) && line[24] == 'A';
        fix.utcSeconds = midnight + dayOffset + h * 3600 + m * 60 + s;
        if (!fixes.empty() && fix.utcSeconds < fixes.back().utcSeconds - 12 * 3600) {
            dayOffset += 86400;
            fix.utcSeconds += 86400;
        }
        fixes.push_back(fix);
    }
    return fixes;
}

namespace {

// "DDMMmmmN" / "DDDMMmmmE".
std::string igcAngle(double value, int degreeDigits, char positive, char negative) {
    const char hemisphere = value < 0 ? negative : positive;
    const long milliMinutes = std::lround(std::fabs(value) * 60000.0);
    char text[32];
    std::snprintf(text, sizeof text, "%0*ld%05ld%c", degreeDigits, milliMinutes / 60000, milliMinutes % 60000,
                  hemisphere);
    return text;
}

std::string igcAltitude(double metres) {
    char text[24];
    const long value = std::lround(metres);
    std::snprintf(text, sizeof text, "%05ld", value);  // "-0012" below sea level
    return text;
}

}  // namespace

std::string writeIgcTrack(const std::vector<TrackFix>& fixes) {
    std::string out = "AXXXCirrona\r\n";
    if (fixes.empty()) return out;
    const std::time_t first = std::time_t(fixes.front().utcSeconds);
    std::tm date{};
    gmtime_r(&first, &date);
    char line[64];
    std::snprintf(line, sizeof line, "HFDTEDATE:%02d%02d%02d,01\r\n", date.tm_mday, date.tm_mon + 1,
                  date.tm_year % 100);
    out += line;
    for (const TrackFix& fix : fixes) {
        const std::time_t t = std::time_t(std::floor(fix.utcSeconds));
        std::tm time{};
        gmtime_r(&t, &time);
        std::snprintf(line, sizeof line, "B%02d%02d%02d", time.tm_hour, time.tm_min, time.tm_sec);
        out += line + igcAngle(fix.latitude, 2, 'N', 'S') + igcAngle(fix.longitude, 3, 'E', 'W') +
               (fix.hasGnssAltitude ? "A" : "V") + igcAltitude(fix.hasPressureAltitude ? fix.pressureAltitude : 0) +
               igcAltitude(fix.hasGnssAltitude ? fix.gnssAltitude : 0) + "\r\n";
    }
    return out;
}
