#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "iqgen/ModeSEncoder.h"
#include "sdr/ADSB.h"

namespace {
// Frames handed over one update at a time.
class QueueSource : public IRawADSBSource {
public:
    std::deque<std::vector<uint8_t>> frames;
    bool nextFrame(RawModeSFrame& frame) override {
        if (frames.empty()) return false;
        frame.length = int(frames.front().size());
        std::copy(frames.front().begin(), frames.front().end(), frame.bytes);
        frames.pop_front();
        return true;
    }
};

constexpr uint32_t kAddress = 0x3C6586;

struct Receiver {
    QueueSource source;
    ADSB adsb{&source};
    void at(double now, std::vector<uint8_t> frame) {
        source.frames.push_back(std::move(frame));
        adsb.update(now);
    }
    TrafficElement* target() {
        auto it = adsb.getTraffic().traffic.find(kAddress);
        return it == adsb.getTraffic().traffic.end() ? nullptr : it->second;
    }
};
}  // namespace

TEST(ADSBTracking, SurveillanceRepliesNeedARecentlyHeardAddress) {
    Receiver rx;
    rx.at(0.0, modes_encode::altitudeReply(kAddress, 4500));
    EXPECT_EQ(nullptr, rx.target());
    EXPECT_EQ(1u, rx.adsb.stats().droppedAddress);

    rx.at(1.0, modes_encode::allCallReply(kAddress));
    rx.at(2.0, modes_encode::altitudeReply(kAddress, 4500));
    ASSERT_NE(nullptr, rx.target());
    EXPECT_DOUBLE_EQ(4500.0, rx.target()->altitude);
    rx.at(60.9, modes_encode::identityReply(kAddress, 7700));
    EXPECT_EQ(7700u, rx.target()->squawk);
    // Heard last at 1.0 s: a reply at 61.1 s no longer proves the address.
    rx.at(61.1, modes_encode::altitudeReply(kAddress, 9000));
    EXPECT_DOUBLE_EQ(4500.0, rx.target()->altitude);

    // A repaired all-call neither creates an aircraft nor vouches for its
    // address; once the address is known, repairs are believed.
    Receiver other;
    std::vector<uint8_t> damaged = modes_encode::allCallReply(kAddress);
    damaged[2] ^= 0x04;
    other.at(0.0, damaged);
    other.at(0.5, modes_encode::altitudeReply(kAddress, 4500));
    EXPECT_EQ(nullptr, other.target());
    EXPECT_EQ(2u, other.adsb.stats().droppedAddress);
    other.at(1.0, modes_encode::identification(kAddress, "HBABC"));
    other.at(1.5, damaged);
    EXPECT_EQ(1u, other.adsb.stats().repaired);
}

TEST(ADSBTracking, PositionsNeedAPairWithinTenSecondsOrAReference) {
    Receiver rx;
    rx.at(0.0, modes_encode::airbornePosition(kAddress, 5000, 47.45, 8.56, false));
    rx.at(10.1, modes_encode::airbornePosition(kAddress, 5000, 47.45, 8.56, true));
    ASSERT_NE(nullptr, rx.target());
    EXPECT_FALSE(rx.target()->hasPosition());
    EXPECT_DOUBLE_EQ(5000.0, rx.target()->altitude);

    rx.at(15.0, modes_encode::airbornePosition(kAddress, 5000, 47.46, 8.57, false));
    ASSERT_TRUE(rx.target()->hasPosition());
    EXPECT_NEAR(47.46, rx.target()->latitude, 1e-4);
    EXPECT_NEAR(8.57, rx.target()->longitude, 1e-4);

    // A single frame decodes at once near the own position.
    Receiver near;
    near.adsb.setOwnPosition(47.0, 8.0);
    near.at(0.0, modes_encode::airbornePosition(kAddress, 5000, 47.45, 8.56, true));
    ASSERT_TRUE(near.target()->hasPosition());
    EXPECT_NEAR(47.45, near.target()->latitude, 1e-4);
}

TEST(ADSBTracking, ImpossibleJumpsAreRejectedAndSilentTargetsAgeOut) {
    Receiver rx;
    rx.at(0.0, modes_encode::airbornePosition(kAddress, 5000, 47.45, 8.56, false));
    rx.at(0.5, modes_encode::airbornePosition(kAddress, 5000, 47.45, 8.56, true));
    rx.at(1.0, modes_encode::velocity(kAddress, 200, 90, 0));
    ASSERT_TRUE(rx.target()->hasPosition());
    // 100 km away a second later.
    rx.at(2.0, modes_encode::airbornePosition(kAddress, 5000, 47.45, 9.9, false));
    EXPECT_NEAR(47.45, rx.target()->latitude, 1e-3);
    EXPECT_EQ(1u, rx.adsb.getTracker().rejectedJumps());

    // Dead reckoned east at 200 kt while silent, dropped after 120 s.
    rx.adsb.update(61.0);
    EXPECT_NEAR(8.56 + 200 * 0.514444 * 60 / (111195 * std::cos(47.45 * M_PI / 180)), rx.target()->longitude, 2e-3);
    rx.adsb.update(122.0);
    EXPECT_NE(nullptr, rx.target());
    rx.adsb.update(122.1);
    EXPECT_EQ(nullptr, rx.target());
    EXPECT_EQ(nullptr, rx.adsb.getTracker().tracking(kAddress));
}

TEST(ADSBTracking, VelocityIdentificationAndMetadata) {
    Receiver rx;
    rx.at(0.0, modes_encode::identification(kAddress, "DLH4AB"));
    rx.at(0.1, modes_encode::velocity(kAddress, 250, 300, -1024));
    ASSERT_NE(nullptr, rx.target());
    EXPECT_EQ("DLH4AB", rx.target()->name);
    EXPECT_NEAR(250, rx.target()->velocity, 1);
    EXPECT_NEAR(300, rx.target()->track, 0.5);
    EXPECT_EQ(-1024, rx.target()->climbRate);
    rx.at(0.2, modes_encode::allCallReply(kAddress, 6));
    EXPECT_EQ(6u, rx.target()->capabilityIndex);
}
