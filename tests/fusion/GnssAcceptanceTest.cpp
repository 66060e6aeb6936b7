#include <gtest/gtest.h>

#include "fusion/GnssAcceptance.h"

namespace {

GPS_Data goodRecord(double knots) {
    GPS_Data g;
    g.fixQuality = 1, g.satellites = 9, g.status = 1, g.pdop = 1.2;
    g.positionAvail = g.altitudeAvail = g.speedAvail = g.groundTrackAvail = true;
    g.groundSpeed = knots, g.groundTrack = 90;
    return g;
}

class GnssAcceptanceTest : public ::testing::Test {
protected:
    GnssAcceptance acceptance{[this](const std::string& line) { lines.push_back(line); }};
    std::vector<std::string> lines;
};

TEST_F(GnssAcceptanceTest, PdopFiveAtCruiseIsRejectedWithEveryCondition) {
    ASSERT_EQ(GnssAcceptance::ACCEPTED, acceptance.judge(goodRecord(80), 10.0, 1000));
    GPS_Data bad = goodRecord(80);
    bad.pdop = 5.0;
    EXPECT_EQ(GnssAcceptance::REJECTED, acceptance.judge(bad, 11.0, 1000));
    const std::vector<std::string> expected = {"Warning: Bad gps / Low pose accuracy.",
                                               "iterationTime-lastGPSNotUnacceptedTime>GPS_HINT_TIMEOUT: 0",
                                               "timeSinceLastGPS>GPS_HINT_TIMEOUT*1000: 0",
                                               "gpsData.PDOP>=5: 1",
                                               "timeSinceLastGPS>reliableGPSTimeOut: 0",
                                               "gpsData.quality==0: 0",
                                               "gpsData.satamount<4: 0",
                                               "gpsData.pvtstatus==0: 0",
                                               "!gpsData.altavail: 0",
                                               "!gpsData.posavail: 0",
                                               "!gpsData.trackavail && !lowSpeed: 0"};
    EXPECT_EQ(expected, lines);
}

TEST_F(GnssAcceptanceTest, PdopFiveStandingStillIsNotBadButNotUsed) {
    GPS_Data slow = goodRecord(3);
    slow.pdop = 5.0;
    EXPECT_EQ(GnssAcceptance::STANDING_STILL, acceptance.judge(slow, 10.0, 1000));
    // Exactly 5 knots still counts as standing.
    slow.groundSpeed = 5.0;
    EXPECT_EQ(GnssAcceptance::STANDING_STILL, acceptance.judge(slow, 11.0, 1000));
    EXPECT_TRUE(lines.empty());
}

TEST_F(GnssAcceptanceTest, ThreeSatellitesAreRejectedAtAnySpeed) {
    for (double knots : {0.0, 3.0, 80.0}) {
        lines.clear();
        GPS_Data few = goodRecord(knots);
        few.satellites = 3;
        EXPECT_EQ(GnssAcceptance::REJECTED, acceptance.judge(few, 10.0 + knots, 1000)) << knots;
        ASSERT_EQ(11u, lines.size());
        EXPECT_EQ("gpsData.satamount<4: 1", lines[6]);
    }
}

TEST_F(GnssAcceptanceTest, AfterAnOutageTheTimingRuleHoldsBackOneRecord) {
    EXPECT_EQ(GnssAcceptance::ACCEPTED, acceptance.judge(goodRecord(80), 10.0, 1000));
    EXPECT_EQ(GnssAcceptance::REJECTED, acceptance.judge(goodRecord(80), 20.0, 10000));
    EXPECT_EQ("timeSinceLastGPS>GPS_HINT_TIMEOUT*1000: 1", lines[2]);
    EXPECT_EQ(GnssAcceptance::REJECTED, acceptance.judge(goodRecord(80), 21.0, 1000));
    EXPECT_EQ(GnssAcceptance::ACCEPTED, acceptance.judge(goodRecord(80), 22.0, 1000));
    GPS_Data noTrack = goodRecord(80);
    noTrack.groundTrackAvail = false;
    EXPECT_EQ(GnssAcceptance::REJECTED, acceptance.judge(noTrack, 23.0, 1000));
    EXPECT_EQ("!gpsData.trackavail && !lowSpeed: 1", lines.back());
}

}  // namespace
