#include "NetTestSupport.h"
#include "net/Serial.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

namespace {

// A pseudo-terminal: the program under test opens the slave by its path, the
// test plays the device on the master side.
struct PseudoTerminal {
    PseudoTerminal() {
        int slave = -1;
        char name[128];
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            slavePath = name;
            close(slave);
        }
    }
    ~PseudoTerminal() {
        if (master >= 0) close(master);
    }
    bool write(const std::string& data) const {
        return ::write(master, data.data(), data.size()) == static_cast<ssize_t>(data.size());
    }
    // What the program sent, read within timeoutMs.
    std::string read(size_t wanted, int timeoutMs = 1000) const {
        std::string received;
        char buffer[256];
        while (received.size() < wanted && waitReadable(master, timeoutMs)) {
            ssize_t count = ::read(master, buffer, sizeof(buffer));
            if (count <= 0) break;
            received.append(buffer, static_cast<size_t>(count));
        }
        return received;
    }
    int master = -1;
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
    ASSERT_FALSE(device.slavePath.empty());
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
    EXPECT_EQ(toDevice, device.read(toDevice.size()));
    EXPECT_EQ("", device.read(1, 20));

    char buffer[16];
    EXPECT_EQ(0, line.recv(buffer, sizeof(buffer)));  // nothing waiting: no wait either
}

TEST(Serial, StandardRatesOpenAndOtherRatesFail) {
    PseudoTerminal device;
    Serial line;
    ASSERT_TRUE(line.open(600, device.slavePath));
    EXPECT_EQ(static_cast<speed_t>(B600), lineSpeed(device.slavePath));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(line.open(14400, device.slavePath));
    EXPECT_FALSE(line.isOpen());
    // The ends of the table of rates; rates beyond them have no flag (0 here).
    const std::pair<int, speed_t> rates[] = {{50, B50}, {134, B134}, {4000000, B4000000}, {0, 0}, {49, 0}, {4000001, 0}};
    for (const auto& [rate, expected] : rates) {
        speed_t flag = 0;
        EXPECT_EQ(Serial::getBaudFlag(rate, flag), expected != 0) << rate;
        if (expected != 0) {
            EXPECT_EQ(expected, flag) << rate;
        }
    }
    testing::internal::GetCapturedStderr();
}

TEST(Serial, MissingDeviceFailsAndAHungUpOneReadsNothingAndReportsTheWriteWithItsData) {
    Serial line;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(line.open(9600, "/nonexistent/ttyUSB9"));
    EXPECT_EQ(0u, testing::internal::GetCapturedStderr().rfind("Opening device: ", 0));
    char buffer[4];
    EXPECT_EQ(-1, line.recv(buffer, sizeof(buffer)));
    EXPECT_FALSE(line.send("x", 1));
    std::string path;
    {
        PseudoTerminal device;
        path = device.slavePath;
        ASSERT_TRUE(line.open(9600, path));
    }  // the device side hangs up
    EXPECT_EQ(0, line.recv(buffer, sizeof(buffer)));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(line.send("$PING", 5));
    std::string output = testing::internal::GetCapturedStderr();
    EXPECT_EQ(0u, output.rfind("during write(int, void *, size_t): ", 0));
    EXPECT_NE(std::string::npos, output.find("Occurred on write access to " + path + " with data:\n$PING"));
}

TEST(Serial, AutoReconnectMovesToTheNextCandidateAfterSilence) {
    PseudoTerminal first;
    PseudoTerminal second;
    Serial line;
    ASSERT_TRUE(line.open(115200, first.slavePath));
    line.setAutoReconnect(true, 0.05, {first.slavePath, "/nonexistent/ttyACM7", second.slavePath});

    // Traffic keeps the line where it is.
    char buffer[64];
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(first.write("x"));
        delay(20);
        line.recv(buffer, sizeof(buffer));
    }
    EXPECT_EQ(first.slavePath, line.getDevicePath());

    // Silence longer than the period: the missing candidate is skipped and
    // the next one is opened at the same rate.
    testing::internal::CaptureStderr();
    ASSERT_TRUE(eventually([&] {
        line.recv(buffer, sizeof(buffer));
        return line.getDevicePath() == second.slavePath && line.isOpen();
    }, 1000));
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
