#include <gtest/gtest.h>

#include "SensorTestSupport.h"
#include "sensors/SettingsDescriptor.h"
#include "support/TempDir.h"

namespace {

class AutopilotSensor : public ASensorWithAutopilot {
public:
    std::string getName() override { return "autopilot"; }
    bool Update() override { return false; }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return 0; }
    ISensorData* getData(ISensorData::Type) override { return nullptr; }
    bool isDataTypeSupported(ISensorData::Type) override { return false; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return {}; }
    WarningLevel getWarning(ISensorData::Type) override { return WRONG; }
    std::vector<std::string> sent;
    bool linkUp = true;

protected:
    bool sendToAutopilot(const std::string& sentence) override {
        if (linkUp) sent.push_back(sentence);
        return linkUp;
    }
};

TEST(ASensorWithAutopilot, SendsTheRouteOrTheNoRouteSentence) {
    AutopilotSensor sensor;
    sensor.handleAutopilotPackages();
    EXPECT_TRUE(sensor.sent.empty());  // disabled by default
    sensor.setAutopilotEnabled(true);
    sensor.setAutopilotPeriodMs(0);
    sensor.linkUp = false;
    sensor.handleAutopilotPackages();
    sensor.linkUp = true;
    sensor.handleAutopilotPackages();  // a failed send is retried at once
    ASSERT_EQ(sensor.sent.size(), 1u);
    EXPECT_EQ(sensor.sent[0], std::string("$GPRMB,V,,,---,,,,,,,,,V*4b\r\n"));
    sensor.setRouteSentenceSource(
        [] { return std::string("$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V*20"); });
    sensor.handleAutopilotPackages();
    ASSERT_EQ(sensor.sent.size(), 2u);
    EXPECT_EQ(sensor.sent[1].substr(0, 9), "$GPRMB,A,");
    sensor.setAutopilotPeriodMs(600000);
    sensor.handleAutopilotPackages();  // within the period: nothing
    EXPECT_EQ(sensor.sent.size(), 2u);
}

TEST(ASensorWithAutopilot, ReadsItsSettingsFromTheAutopilotConfiguration) {
    TempDir dir;
    const std::string path = dir / "autopilotConfig.ini";
    writeWholeFile(path, "[S1]\nautopilotEnabled = 1\nautopilotPeriodMs = 250\n[S2]\nautopilotPeriodMs = -5\n");
    AutopilotSensor sensor;
    sensor.readAutopilotConfig(path, "S1");
    EXPECT_TRUE(sensor.isAutopilotEnabled());
    sensor.readAutopilotConfig(path, "S2");
    EXPECT_FALSE(sensor.isAutopilotEnabled());
    sensor.readAutopilotConfig(path + ".missing", "S1");
    EXPECT_FALSE(sensor.isAutopilotEnabled());
    std::vector<SettingsEntry> entries;
    EXPECT_TRUE(parseSettingsDescriptor(sensor.getSettingsGUICode(), entries));
    EXPECT_EQ(entries.size(), 2u);
    bool cancelled = false;
    EXPECT_FALSE(sensor.editAutopilotSettings([] {}, [&] { cancelled = true; }));
    EXPECT_TRUE(cancelled);
}

class Recording : public ISeekableSensor {
public:
    std::string getName() override { return "recording"; }
    bool Update() override { return false; }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return 0; }
    ISensorData* getData(ISensorData::Type) override { return nullptr; }
    bool isDataTypeSupported(ISensorData::Type) override { return false; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return {}; }
    WarningLevel getWarning(ISensorData::Type) override { return GOOD; }
    void setPlayPosition(double f) override { position = f; }
    double getPlayPosition() override { return position; }
    void setPlaybackPaused(bool p) override { paused = p; }
    void setPlaybackSpeed(double s) override { speed = s; }
    void setPlaybackLoop(bool l) override { loop = l; }
    double position = 0, speed = 1;
    bool paused = false, loop = false;
};

class RecordingFactory : public NoSetupGUISensorFactory {
public:
    ISensor* Create() override { return made = new Recording(); }
    std::string getName() override { return "Recording"; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return {}; }
    Recording* made = nullptr;
};

TEST(SensorManagerPlayback, ControlsTheSeekableSource) {
    SensorManager manager;
    auto* factory = new RecordingFactory();
    manager.addSensorFactory(factory);
    IniFile ini;
    manager.loadSensorSettingsFromIni(&ini, false);
    EXPECT_FALSE(manager.isPlaybackAvailable());
    manager.setPlaybackSpeed(4.0);  // remembered without a source
    EXPECT_EQ(manager.getPlaybackSpeed(), 4.0);
    ini.setFromString("SensorCount = 2\n[S1]\nFactoryIndex = 0\n");
    manager.loadSensorSettingsFromIni(&ini, false);
    ASSERT_TRUE(manager.isPlaybackAvailable());
    manager.setPlaybackPaused(true);
    manager.setPlaybackSpeed(2.0);
    manager.setPlaybackLoop(true);
    manager.setPlayPosition(0.25);
    EXPECT_TRUE(factory->made->paused && factory->made->loop);
    EXPECT_EQ(std::make_pair(factory->made->speed, manager.getPlayPosition()), std::make_pair(2.0, 0.25));
    EXPECT_TRUE(manager.isPlaybackPaused() && manager.isPlaybackLoop());
}

}  // namespace
