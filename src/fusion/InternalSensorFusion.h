#pragma once
#include <pthread.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "fusion/ISensorFusion.h"
#include "fusion/InstallationCalibration.h"
#include "fusion/sources/IRawSource.h"

// The local fusion: a thread that waits for raw samples, runs them through
// AttitudeFusion and leaves the newest result for the main thread, which
// drains it in FlightStateIMU::Update().
class InternalSensorFusion : public ISensorFusion {
public:
    static constexpr int kReceiveTimeoutMs = 100;

    // attitude: estimate attitude (else GNSS only, straight and level);
    // externalSource: the raw data comes from an external device.
    InternalSensorFusion(std::unique_ptr<IRawSource> source, const FusionSettings& settings, bool attitude,
                         bool externalSource, const InstallationCalibration& calibration,
                         AttitudeFusion::MessageSink messages);
    ~InternalSensorFusion() override;

    bool start() override;
    void shutdown() override;
    bool takeOutput(FusionOutput& out) override;
    bool isConnected() override { return source && source->getConnectivity() != 0; }
    void startGyroCalibration() override { calibrationRequested = true; }

    // The gyro bias the last rate calibration found; false before one ended.
    bool takeNewGyroBias(Vector3d& bias);
    bool isExternalSource() const { return externalSource; }
    // Runs one iteration on the calling thread (the thread's body); false
    // when no sample came within the timeout.
    bool iterate();

private:
    static void* threadMain(void* self);
    // Names the sensors attitude estimation needs but the source lacks.
    bool checkRequiredSensors();

    std::unique_ptr<IRawSource> source;
    AttitudeFusion fusion;
    AttitudeFusion::MessageSink messages;
    bool attitude, externalSource;
    pthread_t thread{};
    bool running = false;
    std::atomic<bool> exitRequested{false}, calibrationRequested{false};
    std::mutex handOver;
    FusionOutput latest;
    uint64_t produced = 0, taken = 0;
    bool newBias = false;
    Vector3d bias;
    int lastStrategy = -2;
    bool wasCalibrating = false;
};
