#include "net/Serial.h"

#include "base/Time.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

struct BaudEntry {
    int rate;
    speed_t flag;
};

// Ascending, so getBaudFlag can search it by halves.
const BaudEntry baudTable[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

bool hasSerialPrefix(const char* name) {
    for (const char* prefix : {"ttyS", "ttyUSB", "ttyACM"})
        if (std::strncmp(name, prefix, std::strlen(prefix)) == 0) return true;
    return false;
}

}  // namespace

std::vector<std::string> findSerialPorts(const std::string& directory) {
    std::vector<std::string> ports;
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) return ports;
    while (dirent* entry = readdir(dir))
        if (hasSerialPrefix(entry->d_name)) ports.push_back(directory + "/" + entry->d_name);
    closedir(dir);
    std::sort(ports.begin(), ports.end());
    return ports;
}

bool Serial::getBaudFlag(int baud, speed_t& flag) {
    const BaudEntry* end = std::end(baudTable);
    const BaudEntry* found = std::lower_bound(std::begin(baudTable), end, baud,
                                              [](const BaudEntry& entry, int rate) { return entry.rate < rate; });
    if (found == end || found->rate != baud) {
        std::fprintf(stderr, "No matching baud flag found in getBaudFlag.\n");
        return false;
    }
    flag = found->flag;
    return true;
}

Serial::~Serial() { close(); }

void Serial::close() {
    if (handle >= 0) ::close(handle);
    handle = -1;
}

bool Serial::open(int baud, const std::string& path, bool hardwareFlowControl, bool blocking) {
    close();
    baudRate = baud;
    this->hardwareFlowControl = hardwareFlowControl;
    this->blocking = blocking;
    candidatePaths = {path};
    currentCandidate = 0;
    return openDevice(path);
}

bool Serial::openDevice(const std::string& path) {
    close();
    devicePath = path;
    speed_t flag;
    if (!getBaudFlag(baudRate, flag)) return false;
    // O_NONBLOCK only for the open itself: without it, opening a modem line
    // waits for carrier. Reads are then governed by VMIN/VTIME alone.
    handle = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        std::perror("Opening device");
        return false;
    }
    if (!configureLine()) {
        std::perror("Configuring serial line");
        close();
        return false;
    }
    lastReceiveMs = getMilliSecs();
    return true;
}

bool Serial::configureLine() {
    speed_t flag;
    getBaudFlag(baudRate, flag);
    termios settings;
    if (tcgetattr(handle, &settings) != 0) return false;
    settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | IGNPAR | ICRNL | IXON | IXOFF | IXANY);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | ISIG);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    if (hardwareFlowControl) settings.c_cflag |= CRTSCTS;
    settings.c_cc[VMIN] = blocking ? 1 : 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, flag) != 0 || cfsetospeed(&settings, flag) != 0) return false;
    tcflush(handle, TCIFLUSH);
    if (tcsetattr(handle, TCSANOW, &settings) != 0) return false;
    int fileFlags = fcntl(handle, F_GETFL);
    return fileFlags >= 0 && fcntl(handle, F_SETFL, fileFlags & ~O_NONBLOCK) == 0;
}

void Serial::setAutoReconnect(bool enabled, double periodSeconds, const std::vector<std::string>& paths) {
    autoReconnect = enabled;
    reconnectPeriodSeconds = periodSeconds;
    if (!paths.empty()) {
        candidatePaths = paths;
        auto current = std::find(paths.begin(), paths.end(), devicePath);
        currentCandidate = current == paths.end() ? paths.size() - 1 : static_cast<size_t>(current - paths.begin());
    }
    lastReceiveMs = getMilliSecs();
}

bool Serial::reconnect() {
    close();
    for (size_t tried = 0; tried < candidatePaths.size(); ++tried) {
        currentCandidate = (currentCandidate + 1) % candidatePaths.size();
        if (openDevice(candidatePaths[currentCandidate])) return true;
    }
    // Count the next silence period from this failed turn, so a missing
    // device is looked for once per period and not on every call.
    lastReceiveMs = getMilliSecs();
    return false;
}

int Serial::recv(char* buffer, unsigned length) {
    int result = -1;
    if (handle >= 0) {
        ssize_t count = ::read(handle, buffer, length);
        if (count > 0) {
            lastReceiveMs = getMilliSecs();
            return static_cast<int>(count);
        }
        if (count == 0 || errno == EAGAIN || errno == EINTR) {
            result = 0;
        } else {
            std::perror("during read(int, void *, size_t)");
            std::fprintf(stderr, "Occurred on read access to %s\n", devicePath.c_str());
        }
    }
    if (autoReconnect && !candidatePaths.empty() &&
        TimeDiff(getMilliSecs(), lastReceiveMs) > reconnectPeriodSeconds * 1000.0)
        reconnect();
    return result;
}

bool Serial::send(const char* data, unsigned length) {
    if (handle < 0) return false;
    unsigned written = 0;
    while (written < length) {
        ssize_t count = ::write(handle, data + written, length - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            std::perror("during write(int, void *, size_t)");
            std::fprintf(stderr, "Occurred on write access to %s with data:\n", devicePath.c_str());
            std::fwrite(data, 1, length, stderr);
            std::fputc('\n', stderr);
            return false;
        }
        written += static_cast<unsigned>(count);
    }
    return true;
}
