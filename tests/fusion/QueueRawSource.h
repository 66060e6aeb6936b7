#pragma once
#include <deque>

#include "fusion/RawSample.h"
#include "fusion/sources/IRawSource.h"

// Hands out prepared samples, air data included, then reports nothing more.
class QueueRawSource : public ARawSource {
public:
    static constexpr int kInertialAndGnss = ACCELEROMETER | GYROSCOPE | MAGNETOMETER | GNSS;

    QueueRawSource(std::deque<RawSample> samples, int compatibility = kInertialAndGnss)
        : queue(std::move(samples)), compatibility(compatibility) {}
    bool receiveAndLockData(void*, int) override {
        mutex.lock();
        if (queue.empty()) {
            mutex.unlock();
            return false;
        }
        current = queue.front();
        queue.pop_front();
        return true;
    }
    int getCompatibility() override { return compatibility; }
    bool getAcc(Vector3d& v) override { return v = current.acc, current.accAvail; }
    bool getGyro(Vector3d& v) override { return v = current.gyr, current.gyrAvail; }
    bool getMag(Vector3d& v) override { return v = current.mag, current.magAvail; }
    bool getGPS(GPS_Data& g) override { return g = current.gps, current.gpsAvail; }
    bool getPressure(double& p) override { return p = current.insidePressure, current.insidePressureAvail; }
    bool getStaticPressure(double& p) override { return p = current.outsidePressure, current.outsidePressureAvail; }
    // The pitot's total pressure: static plus the dynamic pressure of `airspeed` at sea level.
    bool getTotalPressure(double& p) override {
        p = current.outsidePressure + 0.5 * 1.225 * current.airspeed * current.airspeed / 100.0;
        return current.airspeedAvail;
    }
    bool getSampleTime(double& t) override { return t = current.time, true; }
    int getConnectivity() override { return 1; }
    std::string getName() override { return "queue"; }

private:
    std::deque<RawSample> queue;
    RawSample current;
    int compatibility;
};
