#include <gtest/gtest.h>

#include "geo/Geodesy.h"
#include "traffic/TrafficTracking.h"

namespace {
TrafficElement target(unsigned address) {
    TrafficElement e;
    e.icaoAddress = address;
    e.latitude = 47.0;
    e.longitude = 8.0;
    return e;
}
}  // namespace

TEST(TrafficTracking, ExtrapolationMovesAlongTrackOnlyWhenEverythingIsKnown) {
    TrafficElement moving = target(1);
    moving.velocity = 120;
    moving.track = 90.0f;
    moving.altitude = 3000;
    moving.climbRate = 600;
    extrapolateTrafficElement(&moving, 10.0, 30.0);
    const double moved = calcDistance2(ChartPosition(8.0, 47.0), ChartPosition(moving.longitude, moving.latitude));
    EXPECT_NEAR(120 * 0.514444444 * 10.0, moved, 1.0);
    EXPECT_GT(moving.longitude, 8.0);
    EXPECT_NEAR(47.0, moving.latitude, 1e-6);
    EXPECT_DOUBLE_EQ(3300.0, moving.altitude);

    // Without a track the target stays put; without a climb rate, so does its altitude.
    TrafficElement noTrack = target(2);
    noTrack.velocity = 300;
    noTrack.altitude = 5000;
    extrapolateTrafficElement(&noTrack, 60.0, 60.0);
    EXPECT_DOUBLE_EQ(47.0, noTrack.latitude);
    EXPECT_DOUBLE_EQ(8.0, noTrack.longitude);
    EXPECT_DOUBLE_EQ(5000.0, noTrack.altitude);

    // An unknown altitude is not climbed away from its marker.
    TrafficElement noAltitude = target(3);
    noAltitude.climbRate = 1000;
    extrapolateTrafficElement(&noAltitude, 5.0, 5.0);
    EXPECT_DOUBLE_EQ(-100000.0, noAltitude.altitude);
}

TEST(TrafficTracking, ScoreCountsCompletenessNotQuantity) {
    TrafficElement empty;
    EXPECT_EQ(0, calcTrafficElementScore(&empty));
    TrafficElement e = target(1);
    e.velocity = 100;
    e.track = 10;
    e.capabilityIndex = kGeometricAltitudeCapability;
    EXPECT_EQ(32, calcTrafficElementScore(&e));
    e.altitude = 1000;
    e.climbRate = 0;
    EXPECT_EQ(49, calcTrafficElementScore(&e));
}

TEST(TrafficTracking, MergeReplacesOnlyOnAStrictlyBetterScore) {
    std::map<unsigned, TrafficElement*> traffic;
    auto* stored = new TrafficElement(target(7));
    stored->altitude = 1000;
    mergeTraffic(traffic, stored);
    ASSERT_EQ(stored, traffic[7]);

    auto* same = new TrafficElement(target(7));
    same->altitude = 2000;
    mergeTraffic(traffic, same);
    EXPECT_EQ(stored, traffic[7]);
    EXPECT_DOUBLE_EQ(1000.0, traffic[7]->altitude);

    auto* better = new TrafficElement(target(7));
    better->altitude = 3000;
    better->climbRate = 500;
    mergeTraffic(traffic, better);
    EXPECT_EQ(better, traffic[7]);
    delete traffic[7];
}
