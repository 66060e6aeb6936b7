#include "fusion/sources/InternalRawDataSource.h"

#include <algorithm>

#include "base/Time.h"

InternalRawDataSource::InternalRawDataSource(std::unique_ptr<IioImu> i, std::unique_ptr<GpsdClient> g)
    : imu(i ? std::move(i) : std::make_unique<IioImu>()), gnss(g ? std::move(g) : std::make_unique<GpsdClient>()) {
    imuOpen = imu->open();
}

int InternalRawDataSource::getCompatibility() {
    int bits = GNSS;  // gpsd may come later; its absence shows as no fix
    if (imu->has(IioImu::ACCEL)) bits |= ACCELEROMETER;
    if (imu->has(IioImu::ANGLVEL)) bits |= GYROSCOPE;
    if (imu->has(IioImu::MAGN)) bits |= MAGNETOMETER;
    return bits;
}

bool InternalRawDataSource::receiveAndLockData(void*, int timeoutMs) {
    double now = getSecs();
    if (nextSample == 0) nextSample = now;
    const double wait = nextSample - now;
    if (wait > timeoutMs / 1000.0) {
        delay(unsigned(timeoutMs));
        return false;
    }
    if (wait > 0) delay(unsigned(wait * 1000.0 + 0.5));
    nextSample = std::max(nextSample + kSamplePeriod, getSecs() - kSamplePeriod);
    // The devices are the fusion thread's alone; only the current sample is shared.
    RawSample next;
    next.time = getSecs();
    next.accAvail = imu->read(IioImu::ACCEL, next.acc);
    next.gyrAvail = imu->read(IioImu::ANGLVEL, next.gyr);
    next.magAvail = imu->read(IioImu::MAGN, next.mag);
    next.gpsAvail = gnss->poll(next.gps, next.time);
    if (next.gpsAvail) next.gps.timeStamp = getMilliSecs();
    mutex.lock();
    sample = next;
    return true;
}

bool InternalRawDataSource::getGPS(GPS_Data& gps) {
    if (sample.gpsAvail) gps = sample.gps;
    return sample.gpsAvail;
}
