#pragma once
#include <memory>

#include "fusion/RawSample.h"
#include "fusion/sources/GpsdClient.h"
#include "fusion/sources/IRawSource.h"
#include "fusion/sources/IioImu.h"

// "Internal Sensors": the device's own IMU through industrial I/O, sampled
// at a fixed rate on the fusion thread, and its GNSS through gpsd.
class InternalRawDataSource : public ARawSource {
public:
    static constexpr double kSamplePeriod = 0.01;

    InternalRawDataSource(std::unique_ptr<IioImu> imu = nullptr, std::unique_ptr<GpsdClient> gnss = nullptr);

    bool receiveAndLockData(void* thread, int timeoutMs) override;
    int getCompatibility() override;
    bool isGyroscopeDenied() override { return imu->isDenied(IioImu::ANGLVEL); }
    bool getAcc(Vector3d& v) override { return take(sample.accAvail, sample.acc, v); }
    bool getGyro(Vector3d& v) override { return take(sample.gyrAvail, sample.gyr, v); }
    bool getMag(Vector3d& v) override { return take(sample.magAvail, sample.mag, v); }
    bool getGPS(GPS_Data& gps) override;
    bool getSamplePeriod(double& s) override {
        s = kSamplePeriod;
        return true;
    }
    int getConnectivity() override { return imuOpen || gnss->isConnected() ? 1 : 0; }
    std::string getName() override { return "Internal Sensors"; }
    std::string getGNSSSourceName() override { return gnss->getDevice(); }

private:
    static bool take(bool avail, const Vector3d& from, Vector3d& to) {
        if (avail) to = from;
        return avail;
    }

    std::unique_ptr<IioImu> imu;
    std::unique_ptr<GpsdClient> gnss;
    bool imuOpen = false;
    RawSample sample;
    double nextSample = 0;
};
