#include "NetTestSupport.h"
#include "net/Serial.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>

#include <memory>
#include <string>

namespace {

// A pseudo-terminal: the program under test opens the slave by its path, the
// test plays the device on the master side.
struct PseudoTerminal {
    PseudoTerminal() {
        int masterHandle = -1, slave = -1;
        char name[128];
        if (openpty(&masterHandle, &slave, name, nullptr, nullptr) != 0) return;
        master = std::make_unique<DescriptorEndpoint>(masterHandle);
        slavePath = name;
        close(slave);
    }
    bool write(const std::string& data) { return master->send(data.data(), static_cast<unsigned>(data.size())); }
    std::unique_ptr<DescriptorEndpoint> master;
    std::string slavePath;
};

speed_t lineSpeed(const std::string& path) {
    int handle = open(path.c_str(), O_RDWR | O_NOCTTY);
    termios settings{};
    tcgetattr(handle, &settings);
    close(handle);
    return cfgetospeed(&settings);
}

}  // namespace

TEST(Serial, BytesTravelBothWaysRawAt115200) {
    PseudoTerminal device;
    ASSERT_NE(nullptr, device.master);
    Serial line;
    ASSERT_TRUE(line.open(115200, device.slavePath, false, false));
    EXPECT_EQ(static_cast<speed_t>(B115200), lineSpeed(device.slavePath));

    // A raw line: carriage returns and control characters pass unchanged and
    // nothing is echoed back to the device.
    const std::string fromDevice = "$GPGGA,1\r\n\x03\x11\x13";
    ASSERT_TRUE(device.write(fromDevice));
    EXPECT_EQ(fromDevice, receiveAll(line, fromDevice.size()));
    const std::string toDevice = "PING\n\r\x7f";
    ASSERT_TRUE(line.send(toDevice.data(), static_cast<unsigned>(toDevice.size())));
    EXPECT_EQ(toDevice, receiveAll(*device.master, toDevice.size() + 1, 100));

    char buffer[16];
    EXPECT_EQ(0, line.recv(buffer, sizeof(buffer)));  // nothing waiting: no wait either
}

TEST(Serial, OtherThanStandardRatesFail) {
    PseudoTerminal device;
    Serial line;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(line.open(14400, device.slavePath));
    testing::internal::GetCapturedStderr();
    // The ends of the table of rates; rates beyond them have no flag.
    speed_t flag = 0;
    EXPECT_TRUE(Serial::getBaudFlag(4000000, flag) && flag == B4000000);
    EXPECT_TRUE(Serial::getBaudFlag(50, flag) && flag == B50);
    for (int rate : {0, 49, 4000001}) EXPECT_FALSE(Serial::getBaudFlag(rate, flag)) << rate;
}

TEST(Serial, MissingDeviceFailsAndAHungUpOneReadsNothingAndFailsTheWrite) {
    Serial line;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(line.open(9600, "/nonexistent/ttyUSB9"));
    char buffer[4];
    EXPECT_EQ(-1, line.recv(buffer, sizeof(buffer)));
    EXPECT_FALSE(line.send("x", 1));
    EXPECT_TRUE(line.open(9600, PseudoTerminal().slavePath));  // the device side hangs up at once
    EXPECT_EQ(0, line.recv(buffer, sizeof(buffer)));
    EXPECT_FALSE(line.send("$PING", 5));
    testing::internal::GetCapturedStderr();
}

TEST(Serial, AutoReconnectMovesToTheNextCandidateAfterSilence) {
    PseudoTerminal first, second;
    Serial line;
    ASSERT_TRUE(line.open(115200, first.slavePath));
    line.setAutoReconnect(true, 0.05, {first.slavePath, "/nonexistent/ttyACM7", second.slavePath});
    // Traffic keeps the line where it is.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(first.write("x"));
        delay(20);
        EXPECT_EQ("x", receiveAll(line, 1, 500));
    }
    EXPECT_EQ(first.slavePath, line.getDevicePath());

    // Silence longer than the period: the missing candidate is skipped and
    // the next one is opened at the same rate.
    testing::internal::CaptureStderr();
    char buffer[64];
    auto moved = [&] { return line.recv(buffer, sizeof(buffer)) <= 0 && line.getDevicePath() == second.slavePath; };
    ASSERT_TRUE(eventually(moved, 1000));
    EXPECT_TRUE(line.isOpen());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(static_cast<speed_t>(B115200), lineSpeed(second.slavePath));
    ASSERT_TRUE(second.write("found"));
    EXPECT_EQ("found", receiveAll(line, 5));
}

TEST(SerialPorts, FindsOnlySerialDeviceNames) {
    TempDir dir;
    for (const char* name : {"ttyS0", "ttyUSB1", "ttyACM0", "tty0", "ttyAMA0", "null", "xttyS1"})
        writeWholeFile(dir / name, "");
    const std::vector<std::string> expected = {dir / "ttyACM0", dir / "ttyS0", dir / "ttyUSB1"};
    EXPECT_EQ(expected, findSerialPorts(dir.path().substr(0, dir.path().size() - 1)));
    EXPECT_TRUE(findSerialPorts("/nonexistent-directory").empty());
}
