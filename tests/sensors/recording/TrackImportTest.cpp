#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <thread>

#include "RecordingTestSupport.h"
#include "base/Time.h"
#include "sensors/GPS_Data.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorKinds.h"
#include "sensors/recording/LogFileSensor.h"
#include "sensors/recording/TrackImport.h"
#include "sensors/recording/UDPSensor.h"
#include "support/RunTool.h"
#include "support/TempDir.h"

namespace {

const std::string kData = std::string(CIRRONA_SOURCE_DIR) + "/tests/sensors/recording/data/";

double utc(int hour, int minute, int second, int day = 6) {
    std::tm t{};
    t.tm_year = 2021 - 1900;
    t.tm_mon = 2;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return double(timegm(&t));
}

// The fixes checked by hand from the B records (see data/README.md).
struct CheckedFix {
    double utc, latitude, longitude, pressure, gnss;
};
const CheckedFix kChecked[] = {{utc(10, 34, 11), 50.2159, 5.5165, 161, 331},
                               {utc(10, 35, 44), 50.21925, 5.5228, 32, 200},
                               {utc(10, 37, 51), 50.2193833, 5.5231833, 29, 194}};

void expectFix(const TrackFix& fix, const CheckedFix& checked, bool withPressure) {
    EXPECT_EQ(fix.utcSeconds, checked.utc);
    EXPECT_NEAR(fix.latitude, checked.latitude, 1e-6);
    EXPECT_NEAR(fix.longitude, checked.longitude, 1e-6);
    EXPECT_EQ(fix.gnssAltitude, checked.gnss);
    if (withPressure) {
        EXPECT_EQ(fix.pressureAltitude, checked.pressure);
    }
}

const TrackFix* fixAt(const std::vector<TrackFix>& fixes, double utcSeconds) {
    for (const TrackFix& f : fixes)
        if (f.utcSeconds == utcSeconds) return &f;
    return nullptr;
}

TEST(TrackImport, IgcFlightMatchesHandCheckedFixesAndSurvivesExport) {
    const std::vector<TrackFix> fixes = parseIgcTrack(readWholeFile(kData + "marcourt.igc"));
    ASSERT_EQ(fixes.size(), 221u);
    for (const CheckedFix& checked : kChecked) {
        ASSERT_NE(fixAt(fixes, checked.utc), nullptr);
        expectFix(*fixAt(fixes, checked.utc), checked, true);
    }
    // IGC keeps thousandths of minutes; GPX keeps seven decimals of a degree.
    const std::vector<TrackFix> igc = parseIgcTrack(writeIgcTrack(fixes));
    const std::vector<TrackFix> gpx = parseGpxTrack(writeGpxTrack(fixes, "flight"));
    ASSERT_EQ(igc.size(), fixes.size());
    ASSERT_EQ(gpx.size(), fixes.size());
    for (size_t i = 0; i < fixes.size(); ++i) {
        expectFix(igc[i], {fixes[i].utcSeconds, fixes[i].latitude, fixes[i].longitude, 0, fixes[i].gnssAltitude},
                  false);
        expectFix(gpx[i], {fixes[i].utcSeconds, fixes[i].latitude, fixes[i].longitude, 0, fixes[i].gnssAltitude},
                  false);
    }
}

TEST(TrackImport, IgcDateFormsMidnightAndBrokenRecords) {
    const std::vector<TrackFix> fixes = parseIgcTrack(
        "B2359595012954N00530990EA0016100331\n"  // before the date: dropped
        "HFDTEDATE:060321,01\r\n"
        "B2359595012954S00530990WA-001200331\r\n"
        "B23595X5012954N00530990EA0016100331\n"  // not digits
        "B0000015012954N00530990EV0016100331\n"
        "B000002501295\n");
    ASSERT_EQ(fixes.size(), 2u);
    EXPECT_EQ(fixes[0].utcSeconds, utc(23, 59, 59));
    EXPECT_EQ(fixes[1].utcSeconds, utc(0, 0, 1, 7));
    EXPECT_NEAR(fixes[0].latitude, -50.2159, 1e-9);
    EXPECT_NEAR(fixes[0].longitude, -5.5165, 1e-9);
    EXPECT_EQ(fixes[0].pressureAltitude, -12);
    EXPECT_TRUE(fixes[0].hasGnssAltitude);
    EXPECT_FALSE(fixes[1].hasGnssAltitude);  // V: no 3D fix
    EXPECT_EQ(parseIgcTrack("HFDTE060321\nB0000015012954N00530990EA0016100331\n")[0].utcSeconds, utc(0, 0, 1));
}

TEST(TrackImport, GpxTrackPointsInAnyAttributeOrderAndTimeZone) {
    const std::vector<TrackFix> fixes = parseGpxTrack(readWholeFile(kData + "marcourt-excerpt.gpx"));
    ASSERT_EQ(fixes.size(), 3u);  // the point without a time and the waypoint are not part of it
    for (size_t i = 0; i < 3; ++i) expectFix(fixes[i], kChecked[i], false);
}

TEST(TrackImport, ImportedTrackReplaysAsSamples) {
    SensorManager manager;
    registerSensorDataFactories(manager);
    uint32_t now = 0;
    LogFileSensor sensor(manager, {kData + "marcourt.igc", ISensor::GOOD}, [&now] { return now; });
    ASSERT_TRUE(sensor.isOpen());
    EXPECT_EQ(sensor.getReader().getIndex().getDurationMs(), 220000u);
    sensor.Update();
    auto* gps = static_cast<GPS_Data*>(sensor.getData(ISensorData::GPS));
    EXPECT_EQ(std::make_tuple(gps->year, gps->month, gps->day, gps->hour, gps->minute, gps->second),
              std::make_tuple(2021, 3, 6, 10, 34, 11));
    EXPECT_NEAR(static_cast<Position_Data*>(sensor.getData(ISensorData::POSITION))->latitude, 50.2159, 1e-9);
    sensor.setPlayPosition(1.0);
    EXPECT_EQ(static_cast<Altitude_Data*>(sensor.getData(ISensorData::ALTITUDE))->altitude, 194);
    // The last leg: 0.001' of longitude east at 50.22 N in one second.
    EXPECT_NEAR(static_cast<GroundSpeed_Data*>(sensor.getData(ISensorData::GROUNDSPEED))->groundSpeed, 2.305, 0.005);
    EXPECT_NEAR(gps->groundTrack, 90.0, 0.01);
}

TEST(TrackImport, DiagSummarisesExportsAndForwardsARecording) {
    const ToolRun summary = runTool(builtTool("cirrona-diag"), {"log", kData + "marcourt.igc"});
    EXPECT_EQ(summary.status, 0);
    EXPECT_NE(summary.out.find("Version: 1\nDuration: 220.000 s\nRecords: 883\n"), std::string::npos) << summary.out;
    EXPECT_NE(summary.out.find("   4 Position                     221\n"), std::string::npos);
    const ToolRun igc = runTool(builtTool("cirrona-diag"), {"log", kData + "marcourt-excerpt.gpx", "--igc"});
    EXPECT_EQ(igc.out.substr(igc.out.find("HFDTE")),
              "HFDTEDATE:060321,01\r\nB1034115012954N00530990EA0000000331\r\n"
              "B1035445013155N00531368EA0000000200\r\nB1037515013163N00531391EA0000000194\r\n");
    EXPECT_EQ(runTool(builtTool("cirrona-diag"), {"log", kData + "missing.dat"}).status, 1);

    SensorManager manager;
    registerSensorDataFactories(manager);
    UDPSensor receiver(manager, {false, 0, 1 << 20, 500});
    const int port = receiver.getBoundPort();
    // Drained while the tool sends, so the socket's buffer never overflows.
    ToolRun sent;
    std::atomic<bool> done{false};
    std::thread sender([&] {
        sent = runTool(builtTool("cirrona-diag"), {"log", kData + "marcourt.igc", "--forward",
                                                   "127.0.0.1:" + std::to_string(port), "--speed", "2000"});
        done = true;
    });
    while (!done) {
        receiver.Update();
        delay(1);
    }
    sender.join();
    EXPECT_EQ(sent.out, "Sent 221 datagrams to 127.0.0.1:" + std::to_string(port) + "\n");
    receiver.Update();
    EXPECT_EQ(receiver.lastTimeUpdated(ISensorData::POSITION), 221u);
    EXPECT_NEAR(static_cast<Position_Data*>(receiver.getData(ISensorData::POSITION))->longitude, 5.5231833, 1e-6);
}

}  // namespace
