#pragma once
#include <fstream>
#include <functional>
#include <string>

#include "fusion/RawSample.h"
#include "fusion/sources/IRawSource.h"

// Replays a raw CSV file (see RawCsv.h), as fast as the fusion asks or paced
// to the file's own time. At the end of the file it reports no more data.
class CsvRawSource : public ARawSource {
public:
    // clock: seconds, for pacing; empty means as fast as possible.
    CsvRawSource(const std::string& path, std::function<double()> clock = {});

    bool isOpen() const { return open; }
    bool atEnd() const { return ended; }

    bool receiveAndLockData(void* thread, int timeoutMs) override;
    int getCompatibility() override { return ACCELEROMETER | GYROSCOPE | MAGNETOMETER | GNSS; }
    bool getAcc(Vector3d& v) override { return get(sample.accAvail, sample.acc, v); }
    bool getGyro(Vector3d& v) override { return get(sample.gyrAvail, sample.gyr, v); }
    bool getMag(Vector3d& v) override { return get(sample.magAvail, sample.mag, v); }
    bool getGPS(GPS_Data& gps) override;
    int getConnectivity() override { return open && !ended ? 1 : 0; }
    std::string getName() override { return "CSV file"; }
    bool getSampleTime(double& t) override;

private:
    static bool get(bool avail, const Vector3d& from, Vector3d& to) {
        if (avail) to = from;
        return avail;
    }

    std::ifstream in;
    std::function<double()> clock;
    RawSample sample;
    bool open = false, ended = false;
    double startClock = 0, startTime = 0;
    bool started = false;
};
