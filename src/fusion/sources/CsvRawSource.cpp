#include "fusion/sources/CsvRawSource.h"

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
    mutex.lock();
    std::string line;
    RawSample next;
    bool found = false;
    while (std::getline(in, line))
        if ((found = raw_csv::parseRow(line, next))) break;
    if (!found) {
        ended = true;
        mutex.unlock();
        return false;
    }
    sample = next;
    if (clock) {
        if (!started) startClock = clock(), startTime = sample.time, started = true;
        // Wait until the file's time has come, at most the timeout at once.
        const double due = startClock + (sample.time - startTime);
        const double wait = std::min(due - clock(), timeoutMs / 1000.0);
        if (wait > 0) delay(unsigned(wait * 1000.0));
    }
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
