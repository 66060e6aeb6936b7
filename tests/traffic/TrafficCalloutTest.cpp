#include <gtest/gtest.h>

#include "traffic/TrafficCallout.h"
#include "traffic/TrafficSpeech.h"
#include "support/TempDir.h"

namespace {
CalloutThreat threat(uint32_t address, TrafficBand band, double metres) {
    CalloutThreat t;
    t.address = address;
    t.band = band;
    t.distanceMetres = metres;
    return t;
}
}  // namespace

TEST(TrafficCallout, TextSaysWhatIsKnownInWords) {
    CalloutThreat t = threat(1, BAND_1NM, 1852.0 * 0.9);
    t.clock = 2;
    t.altitudeKnown = true;
    t.altitudeDifferenceFeet = 480;
    t.climbKnown = true;
    t.climbRateFpm = 700;
    EXPECT_EQ("Traffic, two o'clock, one mile, 500 feet above, climbing", calloutText(t));
    t.clock = 12;
    t.distanceMetres = 600;
    t.altitudeDifferenceFeet = -1234;
    t.climbRateFpm = -299;  // level enough
    EXPECT_EQ("Traffic, twelve o'clock, half a mile, 1200 feet below", calloutText(t));
    t.altitudeDifferenceFeet = 40;
    t.climbRateFpm = -300;
    EXPECT_EQ("Traffic, twelve o'clock, half a mile, same altitude, descending", calloutText(t));
    EXPECT_EQ("Traffic, two miles", calloutText(threat(2, BAND_2NM, 1852.0 * 1.6)));
}

TEST(TrafficCallout, NewThreatsOnceClosingAgainAndNeverTooFast) {
    CalloutScheduler s;
    const double gap = CalloutScheduler::kMinGapSeconds;
    std::vector<CalloutThreat> picture = {threat(1, BAND_2NM, 3000), threat(2, BAND_1NM, 1500)};
    EXPECT_EQ("Traffic, one mile", s.update(picture, 0.0));  // the nearer band first
    EXPECT_EQ("", s.update(picture, gap - 0.1));             // the other waits its turn
    EXPECT_EQ("Traffic, two miles", s.update(picture, gap));
    EXPECT_EQ("", s.update(picture, 3 * gap));  // nothing new: silence

    picture[0] = threat(1, BAND_HALF_NM, 800);  // closes in
    EXPECT_EQ("Traffic, half a mile", s.update(picture, 3 * gap + 1));
    picture[0] = threat(1, BAND_1NM, 1200);  // draws back: no call
    EXPECT_EQ("", s.update(picture, 5 * gap));
    picture[0] = threat(1, BAND_HALF_NM, 800);  // and closes again
    EXPECT_EQ("Traffic, half a mile", s.update(picture, 6 * gap));

    picture.erase(picture.begin() + 1);  // target 2 leaves...
    EXPECT_EQ("", s.update(picture, 7 * gap));
    picture.push_back(threat(2, BAND_1NM, 1500));  // ...and coming back is news
    EXPECT_EQ("Traffic, one mile", s.update(picture, 8 * gap));
}

TEST(TrafficCallout, SilentWithoutAPlaybackDevice) {
    TempDir dir;
    EXPECT_FALSE(TrafficSpeech::audioDeviceExists(dir.path()));
    EXPECT_FALSE(TrafficSpeech::audioDeviceExists(dir / "missing"));
    for (const char* name : {"controlC0", "pcmC0D0c"}) std::fclose(std::fopen((dir / name).c_str(), "w"));
    EXPECT_FALSE(TrafficSpeech::audioDeviceExists(dir.path()));  // capture only
    std::fclose(std::fopen((dir / "pcmC0D0p").c_str(), "w"));
    EXPECT_TRUE(TrafficSpeech::audioDeviceExists(dir.path()));
}
