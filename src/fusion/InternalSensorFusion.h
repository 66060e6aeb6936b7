#pragma once
#include <pthread.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "fusion/ISensorFusion.h"
#include "fusion/InstallationCalibration.h"
#include "fusion/sources/IRawSource.h"

// The local fusion: a thread that waits for raw samples, runs them through
// AttitudeFusion and leaves the newest result for the main thread, which
// drains it in FlightStateIMU::Update(). Both sides exchange everything
// under the raw source's lock, the one that also guards the source's
// current sample.
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
    std::vector<std::string> takeMessages() override;
    bool isConnected() override;
    void startGyroCalibration() override { calibrationRequested = true; }

    // The gyro bias the last rate calibration found; false before one ended.
    bool takeNewGyroBias(Vector3d& bias);
    bool isExternalSource() const { return externalSource; }
    // Runs one iteration on the calling thread (the thread's body); false
    // when no sample came within the timeout.
    bool iterate();

private:
    // What the fusion thread leaves for the main thread; guarded by the raw
    // source's lock.
    struct HandOver {
        FusionOutput latest;
        uint64_t produced = 0, taken = 0;
        bool newBias = false;
        Vector3d bias;
        bool connected = false;
        std::vector<std::string> messages;
    };

    static void* threadMain(void* self);
    // Logs a message and keeps those for the pilot for the main thread. Must
    // not be called while the source's lock is held.
    void say(const std::string& text);
    void readSample(RawSample& sample);
    void handOverResult(const FusionOutput& out, bool calibrationEnded);

    std::unique_ptr<IRawSource> source;
    AttitudeFusion fusion;
    AttitudeFusion::MessageSink log;
    bool attitude, externalSource;
    pthread_t thread{};
    bool running = false;
    std::atomic<bool> exitRequested{false}, calibrationRequested{false};
    HandOver handOver;
    // Fusion thread only.
    int lastStrategy = -2;
    bool wasCalibrating = false;
};
