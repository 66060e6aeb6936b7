#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "base/FileUtils.h"
#include "gui/dialogs/ForwarderSetupDialog.h"
#include "gui/dialogs/RecordingDialog.h"
#include "gui/dialogs/RecordingTexts.h"
#include "gui/dialogs/ReplayDialog.h"
#include "gui/dialogs/TextPromptDialog.h"
#include "sensors/SensorKinds.h"
#include "sensors/MotionSensorData.h"
#include "sensors/SensorManager.h"
#include "sensors/recording/LogFileForwarder.h"
#include "sensors/recording/LogFileReader.h"
#include "sensors/recording/LogFileSensor.h"
#include "sensors/recording/RecordingControl.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
struct RecordingScreen : TestScreen {
    RecordingScreen() : TestScreen(800, 480) {
        registerSensorKinds(manager);
        // The replays step with this clock instead of waiting.
        auto* replays = manager.getSensorFactories()[manager.findSensorFactory(LogFileSensorFactory::NAME)];
        static_cast<LogFileSensorFactory*>(replays)->setClock([this] { return now; });
    }
    void step(uint32_t ms) {
        now += ms;
        manager.Update();
    }
    double replayedLongitude() {
        return static_cast<Position_Data*>(
                   manager.getDefaultSensor(ISensorData::POSITION)->getData(ISensorData::POSITION))
            ->longitude;
    }

    TempDir dir;
    SensorManager manager;
    RecordingControl control{manager, dir / "recordings"};
    uint32_t now = 5;
};
}  // namespace

TEST(RecordingTexts, NamesSortByDateAndTimesShowHoursOnlyForLongRecordings) {
    std::tm t{};
    t.tm_year = 2027 - 1900, t.tm_mon = 0, t.tm_mday = 5, t.tm_hour = 7, t.tm_min = 3;
    EXPECT_EQ(defaultRecordingName(t), "Flight_2027-01-05_07-03");
    EXPECT_EQ(formatReplayTime(59999, 3599999), L"0:59 / 59:59");
    EXPECT_EQ(formatReplayTime(3599999, 3600000), L"0:59:59 / 1:00:00");
}

TEST(RecordingDialog, NameTypedAtTheStartIsTheFileThatStopCloses) {
    RecordingScreen screen;
    RecordingDialog dialog(screen.context, screen.control, [] { return std::string("Flight_2026-12-07_17-42"); });
    screen.show(dialog);
    gui::IGUIWindow* window = dialog.getWindow();
    EXPECT_FALSE(findButton(window, L"Stop")->isEnabled());
    screen.click(findButton(window, L"Start"));
    auto* prompt = dynamic_cast<TextPromptDialog*>(dialog.getChild());
    ASSERT_NE(prompt, nullptr);
    EXPECT_STREQ(prompt->getEditBox()->getText(), L"Flight_2026-12-07_17-42");
    EXPECT_TRUE(hasText(prompt->getWindow(), RecordingControl::kNamePrompt));

    screen.type(prompt->getEditBox(), L"my flight");
    screen.click(findButton(prompt->getWindow(), L"OK"));
    ASSERT_EQ(dialog.getChild(), prompt);  // refused: asked again
    EXPECT_FALSE(screen.control.isRecording());
    screen.type(prompt->getEditBox(), L"Circuits_3");
    screen.key(KEY_RETURN);
    EXPECT_EQ(dialog.getChild(), nullptr);

    const std::string path = screen.dir / "recordings/Circuits_3.dat";
    ASSERT_TRUE(screen.control.isRecording());
    EXPECT_TRUE(fileExists(path));
    EXPECT_TRUE(hasText(window, L"Recording into Circuits_3.dat"));
    EXPECT_FALSE(findButton(window, L"Start")->isEnabled());

    screen.click(findButton(window, L"Stop"));
    EXPECT_FALSE(screen.control.isRecording());
    LogFileReader reader;
    ASSERT_TRUE(reader.open(path, false));
    EXPECT_EQ(reader.getIndexState(), LogFileReader::STORED);  // written when the file was closed
    EXPECT_TRUE(findButton(window, L"Start")->isEnabled());
}

TEST(ReplayDialog, PlayPauseSpeedAndSeekSteerTheReplay) {
    RecordingScreen screen;
    {
        // Ten seconds: a position a second, its longitude the second.
        uint32_t stamp = 20000;
        makePath(screen.dir / "recordings");
        LogFileForwarder recording(screen.dir / "recordings/circuit.dat", [&stamp] { return stamp; });
        for (int i = 0; i <= 10; ++i, stamp += 1000) {
            Position_Data p(i, 47.0, stamp);
            recording.forward(ISensorData::POSITION, &p);
        }
    }
    const std::string configPath = screen.dir / "config.ini";
    ReplayDialog dialog(screen.context, screen.control, configPath);
    screen.show(dialog);
    gui::IGUIWindow* window = dialog.getWindow();
    screen.click(findButton(window, L"Play"));
    EXPECT_FALSE(screen.manager.isPlaybackAvailable());  // nothing chosen yet
    screen.clickRow(dialog.getList(), 0);
    testing::internal::CaptureStderr();
    screen.click(findButton(window, L"Play"));
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(screen.manager.isPlaybackAvailable());
    EXPECT_EQ(IniFile(configPath).get("S1", "fileName"), "circuit.dat");

    screen.step(0);
    screen.step(2000);
    EXPECT_DOUBLE_EQ(screen.control.getPosition(), 0.2);
    screen.click(findButton(window, L"4\u00d7"));
    screen.step(1000);
    EXPECT_DOUBLE_EQ(screen.control.getPosition(), 0.6);
    screen.click(findButton(window, L"Pause"));
    screen.step(5000);
    EXPECT_DOUBLE_EQ(screen.control.getPosition(), 0.6);
    EXPECT_DOUBLE_EQ(screen.replayedLongitude(), 6);

    // The seek bar's keys: to the end and back to the start.
    screen.device->getGUIEnvironment()->setFocus(dialog.getSeekBar());
    screen.key(KEY_END);
    EXPECT_DOUBLE_EQ(screen.control.getPosition(), 1.0);
    EXPECT_DOUBLE_EQ(screen.replayedLongitude(), 10);
    screen.device->getGUIEnvironment()->drawAll();
    EXPECT_STREQ(dialog.getPositionText()->getText(), L"0:10 / 0:10");
    screen.key(KEY_HOME);
    EXPECT_DOUBLE_EQ(screen.replayedLongitude(), 0);

    screen.click(findButton(window, L"Play"));  // goes on from there
    screen.step(500);
    EXPECT_DOUBLE_EQ(screen.control.getPosition(), 0.2);
}

TEST(ForwarderSetupDialog, FlightRecordingAddedWithItsNameRecordsAfterTheReload) {
    RecordingScreen screen;
    const std::string configPath = screen.dir / "config.ini";
    IniFile config;
    config.set("", "SensorCount", "1");
    config.save(configPath);
    const std::string folder = screen.dir / "daily/";
    ForwarderSetupDialog dialog(screen.context, screen.manager, configPath, folder, [] { return std::string("Day"); });
    screen.show(dialog);
    gui::IGUIWindow* window = dialog.getWindow();

    screen.choose(dialog.getKindBox(), 1);  // UDP forwarding: given up in its settings
    screen.click(findButton(window, L"Add"));
    ASSERT_NE(dialog.getChild(), nullptr);
    screen.click(findButton(dialog.getChild()->getWindow(), L"Cancel"));
    EXPECT_EQ(dialog.getList()->getItemCount(), 0u);

    screen.choose(dialog.getKindBox(), 0);
    screen.click(findButton(window, L"Add"));
    auto* prompt = dynamic_cast<TextPromptDialog*>(dialog.getChild());
    ASSERT_NE(prompt, nullptr);
    EXPECT_TRUE(hasText(prompt->getWindow(), RecordingControl::kNamePrompt));
    screen.click(findButton(prompt->getWindow(), L"OK"));  // the name offered
    EXPECT_EQ(findListRow(dialog.getList(), L"1: Flight Recording (Day.dat)"), 0);

    screen.click(findButton(window, L"OK"));
    ASSERT_TRUE(dialog.isAccepted());
    ASSERT_EQ(screen.manager.getSensorForwarderCount(), 1);
    EXPECT_TRUE(fileExists(folder + "Day.dat"));
    EXPECT_EQ(IniFile(configPath).get("", "ForwarderCount"), "1");
}
