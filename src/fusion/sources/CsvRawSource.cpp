#include "fusion/sources/CsvRawSource.h"

#include <algorithm>

#include "base/Time.h"
#include "fusion/sources/RawCsv.h"

CsvRawSource::CsvRawSource(const std::string& path, std::function<double()> pacingClock)
    : in(path), clock(std::move(pacingClock)) {
    open = in.is_open();
}

bool CsvRawSource::receiveAndLockData(void*, int timeoutMs) {
    if (!open || ended) {
        delay(unsigned(std::max(0, std::min(timeoutMs, 10))));
        return false;
    }
    // The file is the fusion thread's alone; only the current sample is shared.
    std::string line;
    RawSample next;
    bool found = false;
    while (std::getline(in, line))
        if ((found = raw_csv::parseRow(line, next))) break;
    if (!found) {
        std::lock_guard<std::mutex> lock(mutex);
        ended = true;
        return false;
    }
    if (clock) {
        if (!started) startClock = clock(), startTime = next.time, started = true;
        // Wait until the file's time has come, at most the timeout at once.
        const double due = startClock + (next.time - startTime);
        const double wait = std::min(due - clock(), timeoutMs / 1000.0);
        if (wait > 0) delay(unsigned(wait * 1000.0));
    }
    mutex.lock();
    sample = next;
    return true;
}

bool CsvRawSource::getGPS(GPS_Data& gps) {
    if (sample.gpsAvail) gps = sample.gps;
    return sample.gpsAvail;
}

bool CsvRawSource::getSampleTime(double& t) {
    t = sample.time;
    return true;
}
