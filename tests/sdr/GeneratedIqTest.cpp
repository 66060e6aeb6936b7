#include <gtest/gtest.h>

#include <map>

#include "geo/Geodesy.h"
#include "iqgen/DecodeCheck.h"
#include "iqgen/IqRenderer.h"
#include "iqgen/TrafficScenario.h"
#include "sdr/ModeSTracker.h"

namespace {
TrafficScenario cleanScenario(uint32_t seed) {
    ScenarioOptions o;
    o.aircraft = 12;
    o.durationSeconds = 3.0;
    o.avoidOverlaps = true;
    o.minAmplitude = 40;  // 22 dB and more over the noise of sigma 3
    o.maxAmplitude = 120;
    o.seed = seed;
    return buildScenario(o);
}

std::vector<uint8_t> render(const TrafficScenario& s, double seconds, double noise, uint32_t seed) {
    RenderOptions r;
    r.durationSeconds = seconds;
    r.noiseSigma = noise;
    r.seed = seed;
    return renderIq(s.transmissions, r);
}
}  // namespace

TEST(GeneratedIq, EveryCleanMessageIsDecodedAtAnyPhaseAndCarrierOffset) {
    // (Seeds whose addresses share no slot of the recently-heard cache: a
    // shared slot forgets one of them, and its replies are rightly dropped.)
    for (uint32_t seed : {1u, 3u, 4u}) {
        const TrafficScenario s = cleanScenario(seed);
        const std::vector<DecodedMessage> decoded = demodulateRecording(render(s, 3.0, 3.0, seed));
        const DecodeCheck check = checkDecoding(s, decoded);
        // Replies to unseen addresses are dropped until an all-call or
        // squitter of that aircraft has been heard; count those apart.
        size_t provable = 0;
        std::map<uint32_t, double> firstClean;
        for (const Transmission& tx : s.transmissions) {
            const int df = tx.frame[0] >> 3;
            const uint32_t address =
                df == 11 || df == 17 ? (uint32_t(tx.frame[1]) << 16 | tx.frame[2] << 8 | tx.frame[3]) : 0;
            if (address && !firstClean.count(address)) firstClean[address] = tx.startSeconds;
        }
        for (const Transmission& tx : s.transmissions) {
            const int df = tx.frame[0] >> 3;
            if (df == 11 || df == 17) {
                ++provable;
                continue;
            }
            for (const auto& a : s.aircraft) {
                if (decodeModesMessage(tx.frame.data(), false, false).address != a.address) continue;
                if (firstClean.count(a.address) && firstClean[a.address] < tx.startSeconds) ++provable;
            }
        }
        EXPECT_EQ(provable, check.found) << "seed " << seed;
        EXPECT_EQ(0u, check.spurious);
        EXPECT_TRUE(check.unknownAddresses.empty());
    }
}

TEST(GeneratedIq, PositionsFromGeneratedSamplesAreWithinTenMetres) {
    const TrafficScenario s = cleanScenario(4);
    const std::vector<DecodedMessage> decoded = demodulateRecording(render(s, 3.0, 3.0, 4));
    Traffic_Data traffic;
    ModeSTracker tracker(traffic);
    int checked = 0;
    for (const DecodedMessage& d : decoded) {
        TrafficElement* e = tracker.useModesMessage(d.message, d.time);
        if (!d.message.cprValid || tracker.tracking(d.message.address)->lastFix != d.time) continue;
        const ScenarioAircraft* a = s.find(d.message.address);
        ASSERT_NE(nullptr, a);
        // The frame carries the position at its nominal time.
        double lat = 0, lon = 0;
        for (const Transmission& tx : s.transmissions)
            if (std::abs(tx.startSeconds - d.time) < 1e-6) a->positionAt(tx.contentSeconds, lat, lon);
        EXPECT_LT(calcDistance2(ChartPosition(lon, lat), ChartPosition(e->longitude, e->latitude)), 10.0);
        ++checked;
    }
    EXPECT_GT(checked, 60);
    EXPECT_EQ(s.aircraft.size(), traffic.traffic.size());
}
