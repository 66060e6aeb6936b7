#pragma once
#include <pthread.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "sdr/IRawADSBSource.h"
#include "sdr/IReceiverTask.h"
#include "sdr/ISoftwareDefinedRadio.h"
#include "sdr/ModeSTracker.h"
#include "sdr/SampleBlocks.h"
#include "sensors/Traffic_Data.h"

// The ADS-B receiver task: samples from a radio (through a reader thread)
// or frames from a raw source become checked Mode S messages, and those
// keep a traffic list current.
class ADSB : public IReceiverTask {
public:
    static constexpr uint32_t kFrequencyHz = 1090000000;
    static constexpr uint32_t kSampleRateHz = 2000000;
    static constexpr double kRestartSeconds = 5.0;

    struct Stats {
        uint64_t messages = 0, repaired = 0, droppedAddress = 0, badCrc = 0, restarts = 0;
    };

    ADSB(ISoftwareDefinedRadio* radio, int deviceIndex, bool agc = false);
    explicit ADSB(IRawADSBSource* source);
    ~ADSB() override;
    ADSB(const ADSB&) = delete;
    ADSB& operator=(const ADSB&) = delete;

    void Update() override;
    // Update on a given clock (seconds); Update() uses the program's clock.
    void update(double now);
    int getType() const override { return ISensorData::TRAFFIC; }
    ISensorData* getData(int n) override { return n == 0 ? &traffic : nullptr; }
    Traffic_Data& getTraffic() { return traffic; }

    void setOwnPosition(double latitude, double longitude) { tracker.setOwnPosition(latitude, longitude); }
    void setErrorRepair(bool fix, bool aggressiveTwoBits);

    // Checks a frame (CRC, repair, and for surveillance replies a recently
    // heard address); false when it must be dropped.
    bool decodeModesMessage(const uint8_t* frame, double now, ModesMessage& mm);
    void useModesMessage(const ModesMessage& mm, double now);

    const Stats& stats() const { return counters; }
    const ModeSTracker& getTracker() const { return tracker; }

private:
    bool initRadio(double now);
    void stopRadio();
    void updateRadio(double now);
    static void* readerThread(void* self);
    static void sampleCallback(unsigned char* buffer, uint32_t length, void* self);

    ISoftwareDefinedRadio* radio = nullptr;
    int deviceIndex = 0;
    bool agc = false;
    IRawADSBSource* source = nullptr;

    Traffic_Data traffic;
    ModeSTracker tracker{traffic};
    RecentAddresses recent;
    std::unique_ptr<SampleBlocks> blocks;
    bool fixErrors = true, aggressive = false;

    std::mutex bufferLock;
    bool dataReady = false;  // under bufferLock
    pthread_t reader{};
    std::atomic<bool> readerRunning{false};
    bool radioStarted = false;
    double lastData = 0;
    bool lastDataSet = false;
    Stats counters;
};
