#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A multi-device software-defined radio. Devices are addressed by index;
// the calls mirror what an RTL2832 stick offers. Gains are in tenths of dB.
class ISoftwareDefinedRadio {
public:
    // Receives one block of unsigned 8-bit I/Q pairs on the reader thread.
    using SampleCallback = void (*)(unsigned char* buffer, uint32_t length, void* context);

    virtual ~ISoftwareDefinedRadio() = default;
    virtual bool init() = 0;
    virtual int getDeviceCount() = 0;
    virtual bool open(int index) = 0;
    virtual void close(int index) = 0;
    virtual bool isOpen(int index) = 0;
    virtual bool isReading(int index) = 0;
    virtual std::vector<int> getGains(int index) = 0;
    virtual bool setGain(int index, int gain) = 0;
    virtual int getGain(int index) = 0;
    virtual bool setFreqCorrection(int index, int ppm) = 0;
    virtual bool setAGCMode(int index, bool on) = 0;
    virtual bool setManualGainMode(int index, bool manual) = 0;
    virtual bool setCenterFrequency(int index, uint32_t hz) = 0;
    virtual uint32_t getActualCenterFrequency(int index) = 0;
    virtual bool setSampleRate(int index, uint32_t hz) = 0;
    virtual bool setBandwith(int index, uint32_t hz) = 0;
    virtual bool resetBuffer(int index) = 0;
    // Delivers blocks to callback until cancelReadBlocking; runs on the caller's thread.
    virtual bool readBlocking(int index, void* context, SampleCallback callback) = 0;
    virtual void cancelReadBlocking(int index) = 0;
    virtual std::string getDescription(int index) = 0;
};
