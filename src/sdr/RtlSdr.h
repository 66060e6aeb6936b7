#pragma once
#include <atomic>
#include <map>

#include "sdr/ISoftwareDefinedRadio.h"

struct rtlsdr_dev;

// RTL2832-based USB sticks through librtlsdr, several at once, by index.
class RtlSdr : public ISoftwareDefinedRadio {
public:
    RtlSdr() = default;
    ~RtlSdr() override;
    RtlSdr(const RtlSdr&) = delete;
    RtlSdr& operator=(const RtlSdr&) = delete;

    bool init() override;
    int getDeviceCount() override;
    bool open(int index) override;
    void close(int index) override;
    bool isOpen(int index) override;
    bool isReading(int index) override;
    std::vector<int> getGains(int index) override;
    bool setGain(int index, int gain) override;
    int getGain(int index) override;
    bool setFreqCorrection(int index, int ppm) override;
    bool setAGCMode(int index, bool on) override;
    bool setManualGainMode(int index, bool manual) override;
    bool setCenterFrequency(int index, uint32_t hz) override;
    uint32_t getActualCenterFrequency(int index) override;
    bool setSampleRate(int index, uint32_t hz) override;
    bool setBandwith(int index, uint32_t hz) override;
    bool resetBuffer(int index) override;
    bool readBlocking(int index, void* context, SampleCallback callback) override;
    void cancelReadBlocking(int index) override;
    std::string getDescription(int index) override;

private:
    struct Device {
        rtlsdr_dev* handle = nullptr;
        std::atomic<bool> reading{false};  // set on the reader thread
    };
    rtlsdr_dev* handleOf(int index);
    template <class Call>
    bool onDevice(int index, Call call);
    std::map<int, Device> devices;
};
