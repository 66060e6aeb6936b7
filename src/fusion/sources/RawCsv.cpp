#include "fusion/sources/RawCsv.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace raw_csv {

const char* const kHeader = "t,ax,ay,az,gx,gy,gz,mx,my,mz,lat,lon,alt,gs,track,sats,pdop,fix";

namespace {
constexpr int kColumns = 18;

// The fields of a line; an empty field is absent.
struct Fields {
    double value[kColumns] = {};
    bool present[kColumns] = {};
};

bool split(const std::string& line, Fields& f) {
    size_t start = 0;
    for (int i = 0; i < kColumns; ++i) {
        size_t end = line.find(',', start);
        if (end == std::string::npos) end = line.size();
        const std::string text = line.substr(start, end - start);
        if (!text.empty() && text != "\r") {
            char* stop = nullptr;
            f.value[i] = std::strtod(text.c_str(), &stop);
            f.present[i] = stop != text.c_str();
            if (!f.present[i]) return false;
        }
        if (end >= line.size()) break;
        start = end + 1;
    }
    return true;
}

bool all(const Fields& f, int first, int count) {
    for (int i = first; i < first + count; ++i)
        if (!f.present[i]) return false;
    return true;
}

Vector3d vec(const Fields& f, int first) { return {f.value[first], f.value[first + 1], f.value[first + 2]}; }
}  // namespace

bool parseRow(const std::string& line, RawSample& out) {
    Fields f;
    if (line.empty() || !split(line, f) || !f.present[0]) return false;
    out = RawSample();
    out.time = f.value[0];
    if ((out.accAvail = all(f, 1, 3))) out.acc = vec(f, 1);
    if ((out.gyrAvail = all(f, 4, 3))) out.gyr = vec(f, 4);
    if ((out.magAvail = all(f, 7, 3))) out.mag = vec(f, 7);
    if (!f.present[17]) return true;
    GPS_Data& g = out.gps;
    out.gpsAvail = true;
    g.fixQuality = int(f.value[17]);
    g.status = g.fixQuality >= 1 ? 1 : 0;
    g.fixType = g.fixQuality >= 1 ? 3 : 1;
    g.satellites = f.present[15] ? int(f.value[15]) : -1;
    if ((g.dilutionOfPrecisionAvail = f.present[16])) g.pdop = f.value[16];
    const bool valid = g.fixQuality >= 1;
    if ((g.positionAvail = valid && all(f, 10, 2))) g.latitude = f.value[10], g.longitude = f.value[11];
    if ((g.altitudeAvail = valid && f.present[12])) g.altitude = f.value[12];
    if ((g.speedAvail = valid && f.present[13])) g.groundSpeed = f.value[13];
    if ((g.groundTrackAvail = valid && f.present[14])) g.groundTrack = f.value[14];
    g.timeStamp = uint32_t(out.time * 1000.0);
    return true;
}

std::string formatRow(const RawSample& s) {
    char buffer[512];
    int n = std::snprintf(buffer, sizeof buffer, "%.3f", s.time);
    auto triple = [&](bool avail, const Vector3d& v, const char* format) {
        if (avail) n += std::snprintf(buffer + n, sizeof buffer - n, format, v.x, v.y, v.z);
        else n += std::snprintf(buffer + n, sizeof buffer - n, ",,,");
    };
    triple(s.accAvail, s.acc, ",%.4f,%.4f,%.4f");
    triple(s.gyrAvail, s.gyr, ",%.6f,%.6f,%.6f");
    triple(s.magAvail, s.mag, ",%.3f,%.3f,%.3f");
    const GPS_Data& g = s.gps;
    if (s.gpsAvail && g.fixQuality >= 1) {
        n += std::snprintf(buffer + n, sizeof buffer - n, ",%.8f,%.8f,%.2f,%.3f,%.2f,%d,%.1f,%d", g.latitude,
                           g.longitude, g.altitude, g.groundSpeed, g.groundTrack, g.satellites, g.pdop, g.fixQuality);
    } else if (s.gpsAvail) {
        n += std::snprintf(buffer + n, sizeof buffer - n, ",,,,,,%d,,0", g.satellites);
    } else {
        n += std::snprintf(buffer + n, sizeof buffer - n, ",,,,,,,,");
    }
    return std::string(buffer, size_t(n));
}

}  // namespace raw_csv
