#pragma once
#include "net/CommunicationEndpoint.h"

#include <termios.h>

#include <cstdint>
#include <string>
#include <vector>

// The serial devices of the system: the names under directory beginning with
// "ttyS", "ttyUSB" or "ttyACM", as full paths, sorted.
std::vector<std::string> findSerialPorts(const std::string& directory = "/dev");

// A raw serial line (8N1, no line discipline). With auto-reconnect on, a line
// that stays silent longer than the period is closed and the next candidate
// device is tried, so a receiver that re-enumerates under another name
// (ttyUSB0 -> ttyUSB1) is found again.
class Serial : public ICommunicationEndpoint {
public:
    Serial() = default;
    ~Serial() override;
    Serial(const Serial&) = delete;
    Serial& operator=(const Serial&) = delete;

    // Closes any open line, makes devicePath the only candidate and opens it.
    bool open(int baud, const std::string& devicePath, bool hardwareFlowControl = false, bool blocking = false);
    void setAutoReconnect(bool enabled, double periodSeconds, const std::vector<std::string>& candidatePaths);

    // Bytes read, 0 when none, -1 when the line is not open or the read failed.
    int recv(char* buffer, unsigned length) override;
    bool send(const char* data, unsigned length) override;
    void close();

    bool isOpen() const { return handle >= 0; }
    const std::string& getDevicePath() const { return devicePath; }
    int getBaudRate() const { return baudRate; }

    // The termios speed constant for one of the 30 standard rates; any other
    // rate prints "No matching baud flag found in getBaudFlag." and fails.
    static bool getBaudFlag(int baud, speed_t& flag);

private:
    bool openDevice(const std::string& path);
    bool configureLine();
    // One turn through the candidates after the current one, stopping at the
    // first that opens.
    bool reconnect();

    int handle = -1;
    std::string devicePath;
    int baudRate = 0;
    bool hardwareFlowControl = false;
    bool blocking = false;
    std::vector<std::string> candidatePaths;
    size_t currentCandidate = 0;
    bool autoReconnect = false;
    double reconnectPeriodSeconds = 0.0;
    uint32_t lastReceiveMs = 0;
};
