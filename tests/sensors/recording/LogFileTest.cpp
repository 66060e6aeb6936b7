#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "RecordingTestSupport.h"
#include "sensors/MotionSensorData.h"
#include "sensors/recording/LogFileForwarder.h"
#include "sensors/recording/LogFileSensor.h"
#include "support/TempDir.h"

namespace {

class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int t = 0; t < ISensorData::TYPE_COUNT; ++t)
            manager.addSensorDataFactory(ISensorData::Type(t), createStandardSensorDataFactory(ISensorData::Type(t)));
        manager.setUI(&ui);
    }
    std::unique_ptr<LogFileSensor> replay(const std::string& path, ISensor::WarningLevel level = ISensor::GOOD) {
        return std::make_unique<LogFileSensor>(manager, LogFileSensor::Settings{path, level}, [this] { return now; });
    }
    // A recording of one position sample every `stepMs`, its longitude the
    // sample's number, stamped from 10000 on.
    std::string recordPositions(int count, uint32_t stepMs) {
        const std::string path = dir / "positions.dat";
        uint32_t stamp = 10000;
        LogFileForwarder forwarder(path, [&stamp] { return stamp; });
        for (int i = 0; i < count; ++i, stamp += stepMs) {
            Position_Data p(i, 47.0, stamp);
            forwarder.forward(ISensorData::POSITION, &p);
        }
        return path;
    }
    double longitude(ISensor& s) { return static_cast<Position_Data*>(s.getData(ISensorData::POSITION))->longitude; }

    SensorManager manager;
    RecordingUI ui;
    TempDir dir;
    uint32_t now = 0;
};

TEST_F(LogFileTest, EmptyRecordingIsTheHeaderFollowedByItsIndex) {
    const std::string path = dir / "empty.dat";
    { LogFileForwarder forwarder(path); }
    const std::string bytes = readWholeFile(path);
    ASSERT_EQ(bytes.size(), 104 + logfile::Index().toBytes().size());
    uint32_t header[26];
    RecordReader(bytes.data(), bytes.size())(header);
    EXPECT_EQ(header[0], 1u);
    EXPECT_EQ(header[1], 104u);  // the index follows right after the header
    EXPECT_EQ(header[2], 23u);
    for (uint32_t t = 0; t < 23; ++t) EXPECT_EQ(header[3 + t], t);

    auto sensor = replay(path);
    ASSERT_TRUE(sensor->isOpen());
    EXPECT_EQ(sensor->getReader().getIndexState(), LogFileReader::STORED);
    EXPECT_FALSE(sensor->Update());
    EXPECT_TRUE(sensor->isFinished());
}

TEST_F(LogFileTest, EverySampleTypeReplaysByteForByteAtItsTime) {
    ScriptedSensor source(manager, "source", allSampleTypes());
    fillAllDistinct(source);
    const std::string path = dir / "all.dat";
    uint32_t stamp = 5000;
    {
        LogFileForwarder forwarder(path, [&stamp] { return stamp; });
        forwarder.forward(&source);
        stamp += 10;  // within the forward period: skipped
        forwarder.forward(&source);
        stamp += 490;
        forwarder.setPause(true);
        forwarder.forward(&source);
        forwarder.setPause(false);
        forwarder.forward(&source);
    }
    auto sensor = replay(path, ISensor::MAYBE_WRONG);
    ASSERT_EQ(sensor->getReader().getIndex().getRecordCount(), 2u * ISensorData::TYPE_COUNT);
    EXPECT_TRUE(sensor->Update());
    for (ISensorData::Type t : allSampleTypes()) {
        EXPECT_EQ(bytesOf(*sensor->getData(t)), bytesOf(*source.getData(t))) << t;
        EXPECT_EQ(sensor->lastTimeUpdated(t), 1u) << t;
        EXPECT_EQ(sensor->getWarning(t), ISensor::MAYBE_WRONG);
    }
    now = 499;
    EXPECT_FALSE(sensor->Update());
    now = 500;
    EXPECT_TRUE(sensor->Update());
    EXPECT_EQ(sensor->lastTimeUpdated(ISensorData::ENGINE_DATA), 2u);
    now = 2000;
    EXPECT_FALSE(sensor->Update());
    EXPECT_TRUE(sensor->isFinished());
    EXPECT_DOUBLE_EQ(sensor->getPlayPosition(), 1.0);
}

TEST_F(LogFileTest, SeeksByFractionAndPlaysAtSpeedPausedOrLooping) {
    auto sensor = replay(recordPositions(1001, 100));  // 100 s
    sensor->setPlayPosition(0.5);
    EXPECT_EQ(longitude(*sensor), 500);  // the state at the target
    EXPECT_DOUBLE_EQ(sensor->getPlayPosition(), 0.5);
    EXPECT_FALSE(sensor->Update());  // starts the clock
    sensor->setPlaybackSpeed(8);
    now += 1000;
    sensor->Update();
    EXPECT_EQ(longitude(*sensor), 580);
    sensor->setPlaybackPaused(true);
    now += 1000;
    EXPECT_FALSE(sensor->Update());
    sensor->setPlaybackPaused(false);
    sensor->setPlaybackLoop(true);
    sensor->setPlayPosition(1.0);
    EXPECT_EQ(longitude(*sensor), 1000);
    now += 100;
    sensor->Update();  // the last sample, then round to the first
    EXPECT_EQ(longitude(*sensor), 0);
    EXPECT_FALSE(sensor->isFinished());
    sensor->setPlayPosition(-3);
    EXPECT_DOUBLE_EQ(sensor->getPlayPosition(), 0.0);
}

TEST_F(LogFileTest, KilledRecordingReplaysUpToItsLastSecond) {
    const std::string path = dir / "killed.dat";
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(progress[0]);
        LogFileForwarder forwarder(path);
        for (int i = 0;; ++i) {
            Position_Data p(i, 47.0, 0);
            forwarder.forward(ISensorData::POSITION, &p);
            if (write(progress[1], &i, sizeof i) != sizeof i) _exit(1);
            usleep(2000);
        }
    }
    close(progress[1]);
    int last = -1;
    while (last < 800) ASSERT_EQ(read(progress[0], &last, sizeof last), ssize_t(sizeof last));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(progress[0]);

    testing::internal::CaptureStderr();
    auto sensor = replay(path);
    ASSERT_TRUE(sensor->isOpen());
    EXPECT_EQ(sensor->getReader().getIndexState(), LogFileReader::REBUILT_AND_STORED);
    const logfile::Index& index = sensor->getReader().getIndex();
    // Every sample written more than a second before the kill is on disk.
    EXPECT_GT(index.getRecordCount(), 0u);
    EXPECT_GE(index.getRecordCount() + 1000 / 2 + 50, unsigned(last + 1));
    sensor->setPlayPosition(1.0);
    EXPECT_EQ(longitude(*sensor), index.getRecordCount() - 1);
    sensor.reset();

    LogFileReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(reader.getIndexState(), LogFileReader::STORED);
    EXPECT_FALSE(reader.calculateIndex());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Error: Index already calculated."), std::string::npos);
}

TEST_F(LogFileTest, UnusableFilesAreRejectedAndARecordingIsReplayedOnce) {
    testing::internal::CaptureStderr();
    auto missing = replay(dir / "missing.dat");
    EXPECT_FALSE(missing->isOpen());
    EXPECT_EQ(missing->getWarning(ISensorData::POSITION), ISensor::WRONG);
    writeWholeFile(dir / "v2.dat", logfile::headerBytes(0).replace(0, 1, "\x02"));
    EXPECT_FALSE(replay(dir / "v2.dat")->isOpen());
    writeWholeFile(dir / "short.dat", logfile::headerBytes(0).substr(0, 50));
    EXPECT_FALSE(replay(dir / "short.dat")->isOpen());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Error: Unable to open LogFile: " + dir / "missing.dat"), std::string::npos);
    EXPECT_NE(errors.find("Error: LogFileVersion 2 not supported."), std::string::npos);
    EXPECT_NE(errors.find("Error: Unable to open LogFile: " + dir / "short.dat"), std::string::npos);

    // A type above 22 ends the records; what precedes it replays.
    Position_Data p(8, 47, 0);
    int size = 0;
    const char* record = static_cast<const char*>(p.serialize(&size));
    const std::string good = recordBytes(uint32_t(0), uint32_t(4), uint32_t(size)) + std::string(record, size);
    writeWholeFile(dir / "bad-type.dat",
                   logfile::headerBytes(0) + good + recordBytes(uint32_t(5), uint32_t(23), uint32_t(0)) + good);
    auto first = replay(dir / "bad-type.dat");
    ASSERT_TRUE(first->isOpen());
    EXPECT_EQ(first->getReader().getIndex().getRecordCount(), 1u);
    auto second = replay(dir / "bad-type.dat");
    EXPECT_FALSE(second->isOpen());
    EXPECT_TRUE(ui.saw(L"A logfile is in use."));
}

}  // namespace
