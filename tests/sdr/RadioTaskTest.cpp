#include <gtest/gtest.h>

#include "FakeRadio.h"
#include "iqgen/IqRenderer.h"
#include "iqgen/TrafficScenario.h"
#include "sdr/ADSB.h"
#include "sdr/RTLSDRManager.h"
#include "sdr/RtlSdr.h"
#include "support/Eventually.h"

namespace {
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

TEST(RadioTask, ManagerRunsAnAdsbTaskPerStick) {
    FakeRadio radio;
    RTLSDRManager manager(&radio);
    ASSERT_TRUE(manager.init());
    EXPECT_EQ(1, manager.getRadioCount());
    EXPECT_EQ(RTLSDRManager::ADSB_1090, manager.getUsedCapability(0));
    EXPECT_EQ(ADSB::kFrequencyHz, manager.getUsedFrequency(0));
    EXPECT_FALSE(manager.setUsedReceiverCapability(0, 7, 0));
    EXPECT_FALSE(manager.setUsedReceiverCapability(1, RTLSDRManager::ADSB_1090, 0));
    ASSERT_EQ(1, manager.getReceiverDataTypeCount(0));
    EXPECT_EQ(ISensorData::TRAFFIC, manager.getReceiverData(0, 0)->getType());
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
