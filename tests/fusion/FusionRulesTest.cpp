#include <gtest/gtest.h>

#include <algorithm>

#include "fusion/AttitudeFusion.h"

namespace {

// Level, at rest or cruising north at `knots`, with a GNSS record every second.
RawSample level(double t, double knots, Vector3d gyroBias = Vector3d()) {
    RawSample s;
    s.time = t;
    s.acc = {0, 9.81, 0}, s.gyr = gyroBias, s.mag = {0, -40, 20};
    s.accAvail = s.gyrAvail = s.magAvail = true;
    s.gpsAvail = std::lround(t * 100.0) % 100 == 0;
    GPS_Data& g = s.gps;
    g.fixQuality = 1, g.satellites = 8, g.status = 1, g.pdop = 1.5;
    g.latitude = 47.0 + t * knots * 1852.0 / 3600.0 / 111195.0, g.longitude = 8.0, g.altitude = 500;
    g.groundSpeed = knots, g.groundTrack = 0;
    g.positionAvail = g.altitudeAvail = g.speedAvail = g.groundTrackAvail = true;
    return s;
}

class FusionRulesTest : public ::testing::Test {
protected:
    FusionRulesTest() : fusion(FusionSettings(), [this](const std::string& l) { lines.push_back(l); }) {}
    int count(const std::string& line) const { return int(std::count(lines.begin(), lines.end(), line)); }
    std::vector<std::string> lines;
    AttitudeFusion fusion;
};

TEST_F(FusionRulesTest, MagneticVariationIsRecomputedOnlyAfterSixtySeconds) {
    std::vector<double> calls;
    fusion.setVariationModel([&](const ChartPosition&, double, double& d) {
        calls.push_back(fusion.getOutput().time);
        d = 3.0;
        return true;
    });
    for (double t = 0; t < 150; t += 0.01) fusion.step(level(t, 100));
    ASSERT_EQ(3u, calls.size());
    EXPECT_GT(calls[1] - calls[0], 60.0);
    EXPECT_LT(calls[1] - calls[0], 61.5);
    EXPECT_DOUBLE_EQ(3.0, fusion.getOutput().magneticVariation);
}

TEST_F(FusionRulesTest, PitotWarningWhileFastOverGroundWithoutAirspeed) {
    const char* const warning = "Warning: Check pitot static connection. High groundspeed + no airspeed.";
    auto fly = [&](double from, double knots, double airspeed) {
        for (double t = from; t < from + 5; t += 0.01) {
            RawSample s = level(t, knots);
            s.airspeedAvail = true, s.airspeed = airspeed;
            fusion.step(s);
        }
    };
    fly(0, 80, 2.0);
    EXPECT_EQ(1, count(warning)) << "once per episode";
    fly(5, 80, 9.8);
    fly(10, 30, 0.0);
    EXPECT_EQ(1, count(warning)) << "airspeed above 9.72 m/s, or ground speed of 40 knots or less";
    fly(15, 80, 0.0);
    EXPECT_EQ(2, count(warning));
}

TEST_F(FusionRulesTest, RateCalibrationCountsDownAndTakesTheRestingGyro) {
    const Vector3d bias(0.01, -0.02, 0.005);
    fusion.startGyroRateCalibration();
    for (double t = 0; t < 12; t += 0.01) fusion.step(level(t, 0, bias));
    EXPECT_EQ("Gyro rate calibration in progress...", lines.front());
    for (int s = 8; s >= 1; --s) EXPECT_EQ(1, count(std::to_string(s) + " seconds remaining...")) << s;
    const Vector3d found = fusion.getGyroCalibration().getBias();
    EXPECT_NEAR(bias.x, found.x, 1e-9);
    EXPECT_NEAR(bias.y, found.y, 1e-9);
    EXPECT_FALSE(fusion.getGyroCalibration().isRunning());
}

TEST_F(FusionRulesTest, ASteadyTurnIsNeverTakenForAGyroBias) {
    // Constant rate and constant specific force look like rest to the
    // sensors; GNSS shows the aircraft moving.
    for (double t = 0; t < 30; t += 0.01) fusion.step(level(t, 100, Vector3d(0, 0.2, 0)));
    EXPECT_FALSE(fusion.getGyroCalibration().isCalibrated());
    for (double t = 30; t < 45; t += 0.01) fusion.step(level(t, 0, Vector3d(0, 0.002, 0)));
    EXPECT_TRUE(fusion.getGyroCalibration().isCalibrated()) << "standing still, it calibrates unasked";
    EXPECT_NEAR(0.002, fusion.getGyroCalibration().getBias().y, 1e-9);
}

TEST_F(FusionRulesTest, AnotherReceiverIsAnnounced) {
    for (double t = 0; t < 3; t += 0.01) {
        RawSample s = level(t, 100);
        s.gpsSource = t < 1.5 ? "/dev/ttyACM0" : "/dev/ttyUSB1";
        fusion.step(s);
    }
    EXPECT_EQ(1, count("Change of gps source"));
}

TEST_F(FusionRulesTest, GnssFilterClearsAfterAnOutage) {
    for (double t = 0; t < 5; t += 0.01) fusion.step(level(t, 100));
    EXPECT_EQ(0, count("GPS Lowpass filter cleared."));
    for (double t = 15; t < 20; t += 0.01) fusion.step(level(t, 100));
    EXPECT_EQ(1, count("GPS Lowpass filter cleared."));
    // The filter follows the aircraft rather than lagging behind it.
    EXPECT_NEAR(level(19.0, 100).gps.latitude, fusion.getOutput().gps.latitude, 1.0 / 111195.0);
}

}  // namespace
