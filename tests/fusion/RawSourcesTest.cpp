#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "base/Time.h"
#include "fusion/sources/GpsdClient.h"
#include "fusion/sources/IioImu.h"
#include "fusion/sources/InternalRawDataSource.h"
#include "fusion/sources/RawCsv.h"
#include "support/Eventually.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

void write(const std::string& path, const std::string& text) { writeWholeFile(path, text + "\n"); }

TEST(IioImuTest, ReadsScaledChannelsOfAFakeSysfsTreeInAircraftAxes) {
    TempDir root;
    // One device with accelerometer and gyroscope (shared scales), another
    // with a magnetometer with per-axis scale and an offset.
    const std::string imu = root / "iio:device0/", mag = root / "iio:device1/";
    mkdir(imu.c_str(), 0770);
    mkdir(mag.c_str(), 0770);
    write(root / "iio:device0/name", "bmi160");
    for (const char* f :
         {"in_accel_x_raw 100", "in_accel_y_raw 16384", "in_accel_z_raw -200", "in_accel_scale 0.000598",
          "in_anglvel_x_raw 10", "in_anglvel_y_raw 20", "in_anglvel_z_raw 30", "in_anglvel_scale 0.001"}) {
        const std::string s = f;
        write(imu + s.substr(0, s.find(' ')), s.substr(s.find(' ') + 1));
    }
    for (const char* f : {"in_magn_x_raw 10", "in_magn_y_raw -400", "in_magn_z_raw 200", "in_magn_x_scale 0.001",
                          "in_magn_y_scale 0.001", "in_magn_z_scale 0.002", "in_magn_offset 5"}) {
        const std::string s = f;
        write(mag + s.substr(0, s.find(' ')), s.substr(s.find(' ') + 1));
    }
    IioImu reader(root.path());
    ASSERT_TRUE(reader.open());
    Vector3d acc, gyr, field;
    ASSERT_TRUE(reader.read(IioImu::ACCEL, acc));
    ASSERT_TRUE(reader.read(IioImu::ANGLVEL, gyr));
    ASSERT_TRUE(reader.read(IioImu::MAGN, field));
    // The screen faces the pilot: device z is the aircraft's -z.
    EXPECT_NEAR(0.0598, acc.x, 1e-9);
    EXPECT_NEAR(9.797632, acc.y, 1e-9);
    EXPECT_NEAR(0.1196, acc.z, 1e-9);
    // Rotations change sense with the mirror: (-x, -y, +z).
    EXPECT_NEAR(-0.01, gyr.x, 1e-12);
    EXPECT_NEAR(-0.02, gyr.y, 1e-12);
    EXPECT_NEAR(0.03, gyr.z, 1e-12);
    // (raw + offset) * scale gauss, in microtesla.
    EXPECT_NEAR(1.5, field.x, 1e-9);
    EXPECT_NEAR(-39.5, field.y, 1e-9);
    EXPECT_NEAR(-41.0, field.z, 1e-9);

    remove((imu + "in_anglvel_y_raw").c_str());
    EXPECT_FALSE(reader.read(IioImu::ANGLVEL, gyr)) << "a channel that disappears";
    EXPECT_FALSE(IioImu(root / "nothing").open());

    // A gyroscope the system keeps from us is told apart from none at all.
    EXPECT_FALSE(reader.isDenied(IioImu::ANGLVEL));
    TempDir hidden;
    mkdir((hidden / "iio:device0").c_str(), 0770);
    mkdir((hidden / "iio:device0/in_anglvel_x_raw").c_str(), 0770);  // there, but no number to read
    InternalRawDataSource source(std::make_unique<IioImu>(hidden.path()), std::make_unique<GpsdClient>("127.0.0.1", 1));
    EXPECT_TRUE(source.isGyroscopeDenied());
    EXPECT_FALSE(source.getCompatibility() & IRawSource::GYROSCOPE);
}

TEST(RawCsvTest, RowsWithAndWithoutGnss) {
    RawSample s;
    EXPECT_FALSE(raw_csv::parseRow(raw_csv::kHeader, s));
    ASSERT_TRUE(raw_csv::parseRow("1.25,0,9.81,0,0.1,0,0,1,2,3,,,,,,,,", s));
    EXPECT_TRUE(s.accAvail && s.gyrAvail && s.magAvail);
    EXPECT_FALSE(s.gpsAvail);
    ASSERT_TRUE(raw_csv::parseRow("2,,,,,,,,,,47.5,8.25,500,101.5,270.5,7,2.5,1", s));
    EXPECT_FALSE(s.accAvail);
    ASSERT_TRUE(s.gpsAvail);
    EXPECT_TRUE(s.gps.positionAvail && s.gps.speedAvail && s.gps.groundTrackAvail && s.gps.altitudeAvail);
    EXPECT_EQ(7, s.gps.satellites);
    EXPECT_EQ(1, s.gps.status);
    EXPECT_EQ(raw_csv::formatRow(s), raw_csv::formatRow([&] {
                  RawSample again;
                  raw_csv::parseRow(raw_csv::formatRow(s), again);
                  return again;
              }()));
    ASSERT_TRUE(raw_csv::parseRow("3,,,,,,,,,,,,,,,2,,0", s));
    EXPECT_TRUE(s.gpsAvail);
    EXPECT_FALSE(s.gps.positionAvail) << "fix 0: nothing valid";
    EXPECT_FALSE(raw_csv::parseRow("4,x,1,2", s));
}

int freeLoopbackPort(int* keepOpen = nullptr) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    if (keepOpen) {
        *keepOpen = fd;
    } else {
        close(fd);
    }
    return ntohs(a.sin_port);
}

TEST(GpsdClientTest, SpeaksTheWatchProtocolWithALoopbackDaemon) {
    int listener = -1;
    const int port = freeLoopbackPort(&listener);
    ASSERT_EQ(0, listen(listener, 1));
    std::string request;
    std::thread daemon([&] {
        const int c = accept(listener, nullptr, nullptr);
        char buffer[256];
        const ssize_t n = recv(c, buffer, sizeof buffer, 0);
        request.assign(buffer, n > 0 ? size_t(n) : 0);
        const std::string reports =
            "{\"class\":\"VERSION\",\"release\":\"3.22\"}\n"
            "{\"class\":\"SKY\",\"pdop\":1.8,\"hdop\":0.9,\"satellites\":[{\"PRN\":1,\"used\":true},"
            "{\"PRN\":2,\"used\":false},{\"PRN\":3,\"used\":true},{\"PRN\":4,\"used\":true},{\"PRN\":5,\"used\":true}]}"
            "\n"
            "{\"class\":\"TPV\",\"mode\":3,\"time\":\"2026-12-07T12:00:01.500Z\",\"lat\":47.5,\"lon\":8.25,"
            "\"altMSL\":512.5,\"speed\":51.444,\"track\":90.5}\n";
        send(c, reports.data(), reports.size(), 0);
        delay(200);
        close(c);
    });
    GpsdClient client("127.0.0.1", port);
    GPS_Data gps;
    EXPECT_TRUE(eventually([&] { return client.poll(gps, getSecs()); }, 3000, 5));
    daemon.join();
    close(listener);
    EXPECT_EQ("?WATCH={\"enable\":true,\"json\":true};\n", request);
    EXPECT_DOUBLE_EQ(47.5, gps.latitude);
    EXPECT_DOUBLE_EQ(512.5, gps.altitude);
    EXPECT_NEAR(100.0, gps.groundSpeed, 0.01);
    EXPECT_DOUBLE_EQ(90.5, gps.groundTrack);
    EXPECT_EQ(4, gps.satellites);
    EXPECT_DOUBLE_EQ(1.8, gps.pdop);
    EXPECT_EQ(3, gps.fixType);
    EXPECT_EQ(500, gps.millisecond);
    EXPECT_TRUE(gps.positionAvail && gps.altitudeAvail && gps.dilutionOfPrecisionAvail);
    EXPECT_FALSE(client.isConnected() && client.poll(gps, getSecs())) << "the daemon went away";
}

TEST(GpsdClientTest, ReadsARealGpsdFedByGpsfake) {
    // gpsd and gpsfake come from the Debian packages scripts/setup installs.
    ASSERT_EQ(0, access("/usr/bin/gpsfake", X_OK)) << "gpsfake missing: run scripts/setup";
    const int port = freeLoopbackPort();
    const std::string feed = std::string(CIRRONA_SOURCE_DIR) + "/tests/fusion/data/gpsd_feed.nmea";
    const std::string portText = std::to_string(port);
    const char* argv[] = {"gpsfake", "-q", "-1", "-c", "0.1", "-P", portText.c_str(), feed.c_str(), nullptr};
    pid_t pid = 0;
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ASSERT_EQ(0, posix_spawn(&pid, "/usr/bin/gpsfake", nullptr, &attributes, const_cast<char**>(argv), environ));
    GpsdClient client("127.0.0.1", port);
    GPS_Data gps;
    // gpsfake starts its daemon first; the client retries its connection.
    const bool received = eventually(
        [&] {
            const bool fresh = client.poll(gps, getSecs() * 10.0);
            return fresh && gps.positionAvail && gps.speedAvail && gps.satellites > 0;
        },
        20000, 20);
    kill(-pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    ASSERT_TRUE(received);
    EXPECT_NEAR(47.5, gps.latitude, 0.01);
    EXPECT_NEAR(8.0, gps.longitude, 1e-6);
    EXPECT_NEAR(100.0, gps.groundSpeed, 0.5);
    EXPECT_NEAR(0.0, gps.groundTrack, 0.5);
    EXPECT_EQ(5, gps.satellites) << "the five satellites in view are all used";
    EXPECT_EQ(0u, client.getDevice().find("/dev/")) << client.getDevice();
}

}  // namespace
