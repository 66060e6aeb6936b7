#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <mutex>

#include "iqgen/IqRenderer.h"
#include "iqgen/TrafficScenario.h"
#include "sdr/ADSB.h"
#include "sdr/RTLSDRManager.h"
#include "sdr/RtlSdr.h"
#include "support/Eventually.h"

namespace {
// One device whose reader delivers the blocks a test queues, then idles
// until cancelled, as a stick does when the antenna hears nothing.
class FakeRadio : public ISoftwareDefinedRadio {
public:
    std::atomic<int> opens{0}, closes{0}, delivered{0};
    std::atomic<bool> cancelled{false};
    uint32_t frequency = 0, sampleRate = 0;
    int gain = 0;

    void queue(std::vector<uint8_t> block) {
        std::lock_guard<std::mutex> lock(mutex);
        blocks.push_back(std::move(block));
    }
    bool init() override { return true; }
    int getDeviceCount() override { return 1; }
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

std::vector<uint8_t> recording(TrafficScenario& scenario) {
    ScenarioOptions o;
    o.aircraft = 5;
    o.durationSeconds = 1.0;
    o.avoidOverlaps = true;
    o.minAmplitude = 50;
    scenario = buildScenario(o);
    RenderOptions r;
    r.durationSeconds = o.durationSeconds;
    return renderIq(scenario.transmissions, r);
}
}  // namespace

TEST(RadioTask, BlocksHandedOverFromTheReaderBecomeTrafficAndAStalledRadioIsRestarted) {
    FakeRadio radio;
    TrafficScenario scenario;
    const std::vector<uint8_t> iq = recording(scenario);
    ADSB adsb(&radio, 0);
    adsb.update(0.0);  // starts the radio
    EXPECT_EQ(1, radio.opens.load());
    EXPECT_EQ(ADSB::kFrequencyHz, radio.frequency);
    EXPECT_EQ(ADSB::kSampleRateHz, radio.sampleRate);
    EXPECT_EQ(496, radio.gain);  // the highest gain offered

    double now = 0.0;
    for (size_t offset = 0; offset < iq.size(); offset += SampleBlocks::kBlockBytes) {
        const int before = radio.delivered;
        radio.queue(
            {iq.begin() + long(offset), iq.begin() + long(std::min(iq.size(), offset + SampleBlocks::kBlockBytes))});
        ASSERT_TRUE(eventually([&] { return radio.delivered > before; }));
        adsb.update(now += 0.065);
    }
    EXPECT_EQ(scenario.aircraft.size(), adsb.getTraffic().traffic.size());
    for (const auto& a : scenario.aircraft) EXPECT_EQ(1u, adsb.getTraffic().traffic.count(a.address));

    // Nothing for five seconds: still the same session; a moment later, a restart.
    adsb.update(now + 5.0);
    EXPECT_EQ(0u, adsb.stats().restarts);
    adsb.update(now + 5.1);
    EXPECT_EQ(1u, adsb.stats().restarts);
    EXPECT_EQ(2, radio.opens.load());
    EXPECT_EQ(1, radio.closes.load());
}

TEST(RadioTask, ManagerRunsAnAdsbTaskPerStickAndMergesItsTraffic) {
    FakeRadio radio;
    RTLSDRManager manager(&radio);
    ASSERT_TRUE(manager.init());
    EXPECT_EQ(1, manager.getRadioCount());
    EXPECT_EQ(RTLSDRManager::ADSB_1090, manager.getUsedCapability(0));
    EXPECT_EQ(ADSB::kFrequencyHz, manager.getUsedFrequency(0));
    EXPECT_FALSE(manager.setUsedReceiverCapability(0, 7, 0));
    EXPECT_FALSE(manager.setUsedReceiverCapability(1, RTLSDRManager::ADSB_1090, 0));
    ASSERT_EQ(1, manager.getReceiverDataTypeCount(0));
    auto* traffic = static_cast<Traffic_Data*>(manager.getReceiverData(0, 0));
    ASSERT_NE(nullptr, traffic);
    TrafficElement heard;
    heard.icaoAddress = 0x4840D6;
    heard.altitude = 3000;
    traffic->set(heard);

    Traffic_Data own;
    TrafficElement poorer;
    poorer.icaoAddress = 0x4840D6;
    own.set(poorer);
    mergeTrafficFromSDR(manager, own);
    ASSERT_EQ(1u, own.traffic.size());
    EXPECT_DOUBLE_EQ(3000.0, own.traffic[0x4840D6]->altitude);
    EXPECT_NE(traffic->traffic[0x4840D6], own.traffic[0x4840D6]);  // a copy: each list owns its own
}

TEST(RadioTask, RealStick) {
    RtlSdr radio;
    if (!radio.init() || radio.getDeviceCount() == 0) GTEST_SKIP() << "needs hardware: no RTL-SDR stick attached";
    ASSERT_TRUE(radio.open(0));
    EXPECT_FALSE(radio.getGains(0).empty());
    EXPECT_TRUE(radio.setCenterFrequency(0, ADSB::kFrequencyHz));
    EXPECT_TRUE(radio.setSampleRate(0, ADSB::kSampleRateHz));
    radio.close(0);
    EXPECT_FALSE(radio.isOpen(0));
}
