#include "fusion/sources/GpsdClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/Units.h"

namespace {

const char kWatch[] = "?WATCH={\"enable\":true,\"json\":true};\n";

// gpsd's reports are flat objects apart from the satellite list, so a field
// is found by its quoted key; a key inside the list (SKY) is never one we ask
// for at the top level except "used", which is counted on purpose.
bool number(const std::string& json, const char* key, double& out) {
    const std::string quoted = std::string("\"") + key + "\":";
    const size_t at = json.find(quoted);
    if (at == std::string::npos) return false;
    const char* start = json.c_str() + at + quoted.size();
    char* end = nullptr;
    out = std::strtod(start, &end);
    return end != start;
}

bool text(const std::string& json, const char* key, std::string& out) {
    const std::string quoted = std::string("\"") + key + "\":\"";
    const size_t at = json.find(quoted);
    if (at == std::string::npos) return false;
    const size_t from = at + quoted.size(), to = json.find('"', from);
    if (to == std::string::npos) return false;
    out = json.substr(from, to - from);
    return true;
}

int count(const std::string& json, const char* what) {
    int n = 0;
    for (size_t at = json.find(what); at != std::string::npos; at = json.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

GpsdClient::GpsdClient(std::string h, int p) : host(std::move(h)), port(p) {}

GpsdClient::~GpsdClient() { disconnect(); }

void GpsdClient::disconnect() {
    if (socketHandle >= 0) ::close(socketHandle);
    socketHandle = -1;
    pending.clear();
}

bool GpsdClient::connectNow() {
    socketHandle = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socketHandle < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1 ||
        ::connect(socketHandle, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::send(socketHandle, kWatch, sizeof kWatch - 1, MSG_NOSIGNAL) != ssize_t(sizeof kWatch - 1)) {
        disconnect();
        return false;
    }
    fcntl(socketHandle, F_SETFL, fcntl(socketHandle, F_GETFL) | O_NONBLOCK);
    return true;
}

bool GpsdClient::applyReport(const std::string& line) {
    std::string kind;
    if (!text(line, "class", kind)) return false;
    double v = 0;
    if (kind == "SKY") {
        if (number(line, "uSat", v)) {
            record.satellites = int(v);
        } else if (line.find("\"satellites\"") != std::string::npos) {
            record.satellites = count(line, "\"used\":true");
        }
        record.dilutionOfPrecisionAvail = number(line, "pdop", record.pdop);
        number(line, "hdop", record.hdop);
        number(line, "vdop", record.vdop);
        return false;
    }
    if (kind != "TPV") return false;
    if (!text(line, "device", device)) device.clear();
    const int mode = number(line, "mode", v) ? int(v) : 0;
    const bool fix = mode >= 2;
    record.fixType = std::max(1, mode);
    record.fixQuality = fix ? 1 : 0;
    record.status = fix ? 1 : 0;
    record.positionAvail = fix && number(line, "lat", record.latitude) && number(line, "lon", record.longitude);
    record.altitudeAvail =
        mode >= 3 && (number(line, "altMSL", record.altitude) || number(line, "alt", record.altitude));
    record.speedAvail = fix && number(line, "speed", v);
    if (record.speedAvail) record.groundSpeed = units::metresPerSecondToKnots(v);
    record.groundTrackAvail = fix && number(line, "track", record.groundTrack);
    std::string time;
    int year, month, day, hour, minute;
    double seconds;
    record.timeAvail = record.dateAvail =
        text(line, "time", time) &&
        std::sscanf(time.c_str(), "%d-%d-%dT%d:%d:%lf", &year, &month, &day, &hour, &minute, &seconds) == 6;
    if (record.timeAvail) {
        record.year = year, record.month = month, record.day = day, record.hour = hour, record.minute = minute;
        record.second = int(seconds), record.millisecond = int((seconds - int(seconds)) * 1000.0 + 0.5);
    }
    return true;
}

bool GpsdClient::poll(GPS_Data& out, double now) {
    if (socketHandle < 0) {
        if (now - lastAttempt < kReconnectSeconds) return false;
        lastAttempt = now;
        if (!connectNow()) return false;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(socketHandle, buffer, sizeof buffer, 0);
        if (n > 0) {
            pending.append(buffer, size_t(n));
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) disconnect();
        break;
    }
    bool fresh = false;
    for (size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
        fresh = applyReport(pending.substr(0, end)) || fresh;
        pending.erase(0, end + 1);
    }
    if (fresh) out = record;
    return fresh;
}
