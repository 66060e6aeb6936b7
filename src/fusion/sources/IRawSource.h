#pragma once
#include <mutex>
#include <string>

#include "sensors/GPS_Data.h"
#include "sensors/Matrix3x3.h"

// Raw input of the local fusion. The fusion thread waits for the next raw
// sample with receiveAndLockData, reads it through the getters while it holds
// the lock and releases it with unLock; a source is filled from its own
// device thread or on demand. `thread` identifies the caller (the fusion
// thread) for sources that serve more than one.
class IRawSource {
public:
    // Bits of getCompatibility(): the sensors the source can deliver.
    // PRESSURE is the device's own barometer; a pitot-static system adds
    // STATIC_PRESSURE and TOTAL_PRESSURE.
    enum Sensor {
        ACCELEROMETER = 1,
        GYROSCOPE = 2,
        MAGNETOMETER = 4,
        GNSS = 8,
        PRESSURE = 16,
        STATIC_PRESSURE = 32,
        TOTAL_PRESSURE = 64
    };

    // Waits up to timeoutMs for a new sample; true with the sample locked.
    virtual bool receiveAndLockData(void* thread, int timeoutMs) = 0;
    virtual void unLock() = 0;
    virtual int getCompatibility() = 0;
    // Specific force, m/s^2, sensor axes (at rest and level (0, +9.81, 0)).
    virtual bool getAcc(Vector3d& v) = 0;
    // rad/s.
    virtual bool getGyro(Vector3d& v) = 0;
    // Microtesla, with the calibration the source knows applied.
    virtual bool getMag(Vector3d& v) = 0;
    virtual bool getUnCalibratedMag(Vector3d& v) { return getMag(v); }
    // True when a GNSS record arrived with this sample.
    virtual bool getGPS(GPS_Data& gps) = 0;
    virtual bool getIntegratedMatrix(Matrix3x3&) { return false; }
    virtual bool getTemperature(double&) { return false; }
    // Pressures in hPa.
    virtual bool getPressure(double&) { return false; }
    virtual bool getStaticPressure(double&) { return false; }
    virtual bool getTotalPressure(double&) { return false; }
    virtual bool getOAT(double&) { return false; }
    virtual bool getSamplePeriod(double&) { return false; }
    virtual bool getDeltaMatrix(Matrix3x3&, double& /*t0*/, double& /*t1*/) { return false; }
    virtual std::string getRawNMEA() { return ""; }
    virtual void setInterpolatedMatrix(void* /*thread*/, const Matrix3x3&) {}
    virtual void setCalibrationBias(void* /*thread*/, double, double, double, double /*accLen*/) {}
    virtual void setMagCalibration(void* /*thread*/, double, double, double) {}
    virtual void setCalibrationMatrix(void* /*thread*/, const Matrix3x3&) {}
    virtual void receiveUnCorrectedAcc(void* /*thread*/, Vector3d&) {}
    // 0 disconnected, 1 connected.
    virtual int getConnectivity() = 0;
    virtual std::string getName() = 0;
    // The sample's own time (seconds) when the source has one (a file);
    // otherwise the fusion stamps samples with its clock.
    virtual bool getSampleTime(double&) { return false; }
    // The receiver that delivered the current GNSS record, when known.
    virtual std::string getGNSSSourceName() { return ""; }
    // The lock receiveAndLockData takes. The fusion hands its results to the
    // main thread under the same lock, so a source and its consumers share
    // one point of exchange.
    virtual std::mutex& getLock() = 0;
    // The device has a gyroscope, but the system does not let us read it.
    virtual bool isGyroscopeDenied() { return false; }
    virtual ~IRawSource() = default;
};

// Keeps the lock of a source: receiveAndLockData implementations lock
// `mutex` once their sample is ready (never while they wait for it).
class ARawSource : public IRawSource {
public:
    void unLock() override { mutex.unlock(); }
    std::mutex& getLock() override { return mutex; }

protected:
    std::mutex mutex;
};
