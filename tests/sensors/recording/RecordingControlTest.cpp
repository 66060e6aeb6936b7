#include <gtest/gtest.h>

#include "RecordingTestSupport.h"
#include "sensors/SensorKinds.h"
#include "sensors/SettingsDescriptor.h"
#include "sensors/recording/LogFileSensor.h"
#include "sensors/recording/RecordingControl.h"
#include "sensors/recording/UDPForwarder.h"
#include "sensors/recording/UDPSensor.h"
#include "support/TempDir.h"

namespace {

TEST(RecordingControl, RecordsUnderANameListsAndReplays) {
    TempDir dir;
    SensorManager manager;
    registerSensorKinds(manager);
    RecordingControl control(manager, dir / "recordings");
    for (const char* bad : {"", "a b", "../x", "fl\xc3\xa4ge", "x.dat"}) EXPECT_FALSE(control.startRecording(bad));

    ScriptedSensor source(manager, "source", {ISensorData::POSITION});
    fillDistinct(*source.getData(ISensorData::POSITION), ISensorData::POSITION);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(control.startRecording("Flight_1-a"));
    EXPECT_FALSE(control.startRecording("other"));  // one at a time
    manager.getSensorForwarder(0)->forward(&source);
    EXPECT_TRUE(control.stopRecording());
    EXPECT_FALSE(control.stopRecording());
    ASSERT_TRUE(control.startRecording("Flight_1-a"));
    EXPECT_EQ(control.getRecordingPath(), dir / "recordings/Flight_1-a-2.dat");
    EXPECT_TRUE(control.stopRecording());
    writeWholeFile(dir / "recordings/track.IGC", "");
    writeWholeFile(dir / "recordings/notes.txt", "");
    EXPECT_EQ(control.listRecordings(), (std::vector<std::string>{"Flight_1-a-2.dat", "Flight_1-a.dat", "track.IGC"}));

    IniFile config;
    EXPECT_FALSE(control.setSpeed(3));
    EXPECT_TRUE(control.setSpeed(8));
    ASSERT_TRUE(control.play("Flight_1-a.dat", config));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(config.get("S1", "FactoryName"), "LogFile");
    auto* replay = dynamic_cast<LogFileSensor*>(manager.getPlaybackSensor());
    ASSERT_NE(replay, nullptr);
    ASSERT_TRUE(replay->isOpen());
    EXPECT_EQ(manager.getDefaultSensor(ISensorData::POSITION), replay);
    // Also seen by a control made later, as after a restart with this configuration.
    EXPECT_EQ(RecordingControl(manager, dir / "recordings").getReplayedFile(), "Flight_1-a.dat");
    control.seek(1.0);
    EXPECT_EQ(bytesOf(*replay->getData(ISensorData::POSITION)), bytesOf(*source.getData(ISensorData::POSITION)));
    EXPECT_DOUBLE_EQ(manager.getPlaybackSpeed(), 8.0);
}

TEST(RecordingControl, SettingsDescriptorsOfTheRecordingKindsRead) {
    std::vector<SettingsEntry> entries;
    for (const char* descriptor : {LogFileSensorFactory::SETTINGS_DESCRIPTOR, UDPSensorFactory::SETTINGS_DESCRIPTOR,
                                   UDPForwarderFactory::SETTINGS_DESCRIPTOR})
        EXPECT_TRUE(parseSettingsDescriptor(descriptor, entries)) << descriptor;
    EXPECT_EQ(entries.size(), 3u + 4u + 4u);
}

}  // namespace
