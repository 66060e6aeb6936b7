#pragma once
#include <string>

#include "sensors/GPS_Data.h"

// A client of gpsd, the GNSS daemon of Linux systems: it connects to the
// daemon's TCP port (2947), asks for JSON reports with
// ?WATCH={"enable":true,"json":true}; and turns TPV reports (time, position,
// velocity) and SKY reports (satellites used, dilution of precision) into
// GPS_Data. It never blocks: poll() reads what has arrived.
class GpsdClient {
public:
    static constexpr int kDefaultPort = 2947;
    static constexpr double kReconnectSeconds = 5.0;

    explicit GpsdClient(std::string host = "127.0.0.1", int port = kDefaultPort);
    ~GpsdClient();
    GpsdClient(const GpsdClient&) = delete;
    GpsdClient& operator=(const GpsdClient&) = delete;

    // Connects (again) when needed and reads what has arrived; true when a
    // new TPV report completed a record, which `out` then holds.
    bool poll(GPS_Data& out, double now);
    bool isConnected() const { return socketHandle >= 0; }

    // Applies one JSON report line to the record; true for a TPV report.
    bool applyReport(const std::string& line);
    const GPS_Data& getRecord() const { return record; }
    // The device path of the last TPV report.
    const std::string& getDevice() const { return device; }

private:
    bool connectNow();
    void disconnect();

    std::string host;
    int port;
    int socketHandle = -1;
    double lastAttempt = -1e9;
    std::string pending;
    GPS_Data record;
    std::string device;
};
