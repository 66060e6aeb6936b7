#pragma once
#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "sdr/ISoftwareDefinedRadio.h"

// One device whose reader delivers the blocks a test queues, then idles
// until cancelled, as a stick does when the antenna hears nothing.
class FakeRadio : public ISoftwareDefinedRadio {
public:
    std::atomic<int> opens{0}, closes{0}, delivered{0};
    std::atomic<bool> cancelled{false};
    int count = 1;
    uint32_t frequency = 0, sampleRate = 0;
    int gain = 0;

    void queue(std::vector<uint8_t> block) {
        std::lock_guard<std::mutex> lock(mutex);
        blocks.push_back(std::move(block));
    }
    bool init() override { return true; }
    int getDeviceCount() override { return count; }
    bool open(int) override { return ++opens, cancelled = false, true; }
    void close(int) override { ++closes; }
    bool isOpen(int) override { return opens > closes; }
    bool isReading(int) override { return false; }
    std::vector<int> getGains(int) override { return {0, 90, 496}; }
    bool setGain(int, int g) override { return gain = g, true; }
    int getGain(int) override { return gain; }
    bool setFreqCorrection(int, int) override { return true; }
    bool setAGCMode(int, bool) override { return true; }
    bool setManualGainMode(int, bool) override { return true; }
    bool setCenterFrequency(int, uint32_t hz) override { return frequency = hz, true; }
    uint32_t getActualCenterFrequency(int) override { return frequency; }
    bool setSampleRate(int, uint32_t hz) override { return sampleRate = hz, true; }
    bool setBandwith(int, uint32_t) override { return true; }
    bool resetBuffer(int) override { return true; }
    bool readBlocking(int, void* context, SampleCallback callback) override {
        while (!cancelled) {
            std::vector<uint8_t> block;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (!blocks.empty()) {
                    block = std::move(blocks.front());
                    blocks.pop_front();
                }
            }
            if (block.empty()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            callback(block.data(), uint32_t(block.size()), context);
            ++delivered;
        }
        return true;
    }
    void cancelReadBlocking(int) override { cancelled = true; }
    std::string getDescription(int) override { return "fake stick"; }

private:
    std::mutex mutex;
    std::deque<std::vector<uint8_t>> blocks;
};
