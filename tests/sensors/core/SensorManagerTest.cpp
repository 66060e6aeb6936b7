#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "SensorTestSupport.h"
#include "base/Units.h"
#include "support/TempDir.h"
#include "geo/Geodesy.h"
#include "sensors/NullSensor.h"
#include "sensors/PressureAltitude.h"
#include "sensors/SensorKinds.h"

namespace {

class SensorManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerSensorDataFactories(manager);
        factory = new ScriptedSensorFactory(&manager, "Scripted");
        manager.addSensorFactory(factory);
        manager.addSensorForwarderFactory(new RecordingForwarderFactory(&forwardLog));
        manager.setUI(&ui);
        manager.setClock([this] { return now; });
        manager.setPowerSupplyRoot("/nonexistent-power-supply");
        manager.setMagneticModel([this](const ChartPosition& p, double, double& declination) {
            ++modelCalls;
            declination = fakeDeclination;
            lastModelPosition = p;
            return true;
        });
    }
    // Loads the settings given as INI text.
    void load(const std::string& text) {
        ini = IniFile();
        ini.setFromString(text);
        manager.loadSensorSettingsFromIni(&ini, false);
    }
    ScriptedSensor* sensor(int index) { return static_cast<ScriptedSensor*>(manager.getSensorInterface(index)); }
    static std::string threeSensors(const std::string& extra = "") {
        return "SensorCount = 4\n" + extra +
               "[S1]\nFactoryIndex = 0\nlabel = one\n[S2]\nFactoryIndex = 0\nlabel = two\n"
               "[S3]\nFactoryIndex = 0\nlabel = three\n";
    }
    SensorManager manager;
    ScriptedSensorFactory* factory = nullptr;
    std::vector<std::string> forwardLog;
    RecordingUI ui;
    IniFile ini;
    double now = 10.0;
    int modelCalls = 0;
    double fakeDeclination = 10.0;
    ChartPosition lastModelPosition;
};

TEST_F(SensorManagerTest, WithoutSensorCountOnlyTheNullSensorExists) {
    load("trackMode = True North\n");
    ASSERT_EQ(manager.getSensorInterfaceCount(), 1);
    EXPECT_EQ(manager.getSensorInterface(0)->getName(), "NullSensor");
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        ISensor* s = manager.getDefaultSensor(ISensorData::Type(t));
        ASSERT_EQ(s, manager.getSensorInterface(0));
        EXPECT_NE(s->getData(ISensorData::Type(t)), nullptr) << t;
    }
    manager.Update();
    EXPECT_EQ(manager.getDefaultSensorsWarningLevel(), ISensor::WRONG);
    EXPECT_FALSE(manager.isMagneticVariationAvailable());
    EXPECT_FALSE(manager.isBatteryAvailable());  // no power supply tree
}

TEST_F(SensorManagerTest, DefaultSourceIndicesOutOfRangeSelectTheNullSensor) {
    load(threeSensors("D4 = 7\nD5 = 2\nD6 = -1\nD1 = abc\n"));
    ASSERT_EQ(manager.getSensorInterfaceCount(), 4);
    EXPECT_EQ(manager.getDefaultSensor(ISensorData::ALTITUDE)->getName(), "two");
    for (auto type : {ISensorData::POSITION, ISensorData::GROUNDSPEED, ISensorData::ATTITUDE})
        EXPECT_EQ(manager.getDefaultSensorIndex(type), 0) << type;  // the null sensor
    EXPECT_EQ(manager.getSensorInterfaces(ISensorData::TRAFFIC).size(), 4u);
}

TEST_F(SensorManagerTest, UnknownFactoryIndicesAreSkippedAndTheirSectionsKept) {
    load("SensorCount = 4\n[S1]\nFactoryIndex = 5\n[S2]\nFactoryIndex = 0\nlabel = b\n[S3]\nlabel = c\n");
    ASSERT_EQ(manager.getSensorInterfaceCount(), 2);
    EXPECT_EQ(manager.getSensorInterface(1)->getName(), "b");
    EXPECT_EQ(factory->lastSection, "S2");
    EXPECT_TRUE(ini.isSectionAvailable("S1"));
}

TEST_F(SensorManagerTest, ForwardsOnlyChangedRealSensorsInListOrder) {
    load(threeSensors("ForwarderCount = 4\n") +
         "[F0]\nForwarderFactory = 0\nname = A\n[F1]\nForwarderFactory = 4\n[F2]\nForwarderFactory = 0\nname = B\n"
         "[F3]\nForwarderFactory = 0\nusable = 0\n");  // F1: no such kind; F3: cannot load
    ASSERT_EQ(manager.getSensorForwarderCount(), 2);
    EXPECT_EQ(std::make_pair(manager.getSensorForwarderConfigIndex(0), manager.getSensorForwarderConfigIndex(1)),
              std::make_pair(0, 2));
    sensor(1)->nextUpdate = true;
    sensor(3)->nextUpdate = true;
    manager.Update();
    EXPECT_EQ(forwardLog, (std::vector<std::string>{"A:one", "B:one", "A:three", "B:three"}));
    EXPECT_EQ(sensor(2)->updates, 1);  // polled, not forwarded
    forwardLog.clear();
    sensor(1)->nextUpdate = false;
    manager.Update();
    EXPECT_EQ(forwardLog, (std::vector<std::string>{"A:three", "B:three"}));
}

TEST_F(SensorManagerTest, OverallWarningIsTheWorstOfPositionAttitudeHeadingAltitude) {
    load(threeSensors("D4 = 1\nD1 = 1\nD2 = 2\nD5 = 1\nD6 = 3\n"));
    manager.Update();
    EXPECT_EQ(manager.getDefaultSensorsWarningLevel(), ISensor::GOOD);
    sensor(3)->warning = ISensor::WRONG;  // ground speed does not count
    sensor(2)->warning = ISensor::MAYBE_WRONG;
    manager.Update();
    EXPECT_EQ(manager.getDefaultSensorsWarningLevel(), ISensor::MAYBE_WRONG);
    sensor(1)->warning = ISensor::WRONG;
    manager.Update();
    EXPECT_EQ(manager.getDefaultSensorsWarningLevel(), ISensor::WRONG);
}

TEST_F(SensorManagerTest, PressureBelow100MillibarFallsBackToInsidePressure) {
    load(threeSensors("D10 = 1\nD11 = 2\n"));
    auto* inside = sensor(1)->sample<Pressure_Data>(ISensorData::INSIDE_PRESSURE);
    auto* outside = sensor(2)->sample<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE);
    inside->pressure = 1000.0;
    outside->pressure = 99.0;
    EXPECT_EQ(manager.getMostSuitablePressureData(), inside);
    outside->pressure = 100.0;
    EXPECT_EQ(manager.getMostSuitablePressureData(), outside);
    outside->pressure = 50.0;
    inside->pressure = 99.9;
    EXPECT_EQ(manager.getMostSuitablePressureData(), nullptr);
}

TEST_F(SensorManagerTest, VerticalSpeedFromPressureFiltersTenMetresInOneSecond) {
    load(threeSensors("D11 = 1\n"));
    auto* p = sensor(1)->sample<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE);
    const double a = 0.757858283;  // exp(-ln 2 / 2.5) after one second
    const struct {
        uint32_t stamp;
        double altitude, expected;
    } steps[] = {
        {1000, 500.0, 0.0},          // first reading: no rate yet
        {2000, 510.0, 10.0},         // the first input passes through
        {2000, 510.0, 10.0},         // same time stamp: no new input
        {3000, 510.0, a * 10.0},     // level now
        {5500, 510.0, a * 10.0 / 2},  // 2.5 s later, still level: another half-life
    };
    for (const auto& step : steps) {
        p->pressure = calcPressureFromAltitude(step.altitude, kStandardSeaLevelPressure);
        p->timeStamp = step.stamp;
        now = step.stamp / 1000.0;
        manager.Update();
        EXPECT_NEAR(manager.getFilteredVerticalSpeed(), step.expected, 1e-6) << step.stamp;
    }
}

TEST_F(SensorManagerTest, BatteryMessagesFromAFakePowerSupplyTree) {
    TempDir power;
    ASSERT_TRUE(std::filesystem::create_directories(power / "BAT1"));
    manager.setPowerSupplyRoot(power.path());
    load("");
    // Battery files, update time and the message that appears then; read at most once a second.
    struct Step {
        double at;
        const char *capacity, *status;
        const wchar_t* newMessage;
    };
    const Step steps[] = {
        {100.0, "50", "Charging", nullptr},
        {100.5, "50", "Discharging", nullptr},  // too soon to read again
        {101.1, "50", "Discharging", L"\nExternal power lost.\n"},
        {102.2, "16", "Discharging", nullptr},
        {103.3, "15", "Discharging", L"\nLow Battery: 15%\n"},
        {104.4, "15", "Discharging", nullptr},  // no repeat
        {105.5, "14", "Discharging", L"\nLow Battery: 14%\n"},
    };
    std::vector<std::wstring> shown;
    for (const Step& step : steps) {
        if (step.newMessage) shown.push_back(step.newMessage);
        writeWholeFile(power / "BAT1/capacity", std::string(step.capacity) + "\n");
        writeWholeFile(power / "BAT1/status", std::string(step.status) + "\n");
        now = step.at;
        manager.Update();
        EXPECT_EQ(ui.messages, shown) << step.at;
    }
    EXPECT_TRUE(manager.isBatteryDischarging());
    EXPECT_NEAR(manager.getBatteryLevel(), 0.14, 1e-9);
}

TEST_F(SensorManagerTest, MagneticVariationIsRecomputedOnlyAfterMoreThan1000Metres) {
    load(threeSensors("D4 = 1\nD5 = 1\n"));
    auto* pos = sensor(1)->sample<Position_Data>(ISensorData::POSITION);
    const ChartPosition start(7.5, 46.5);
    pos->longitude = start.longitude, pos->latitude = start.latitude;
    sensor(1)->warning = ISensor::WRONG;  // not a real position yet
    manager.Update();
    EXPECT_EQ(modelCalls, 0);
    sensor(1)->warning = ISensor::GOOD;
    manager.Update();
    EXPECT_EQ(modelCalls, 1);
    EXPECT_TRUE(manager.isMagneticVariationAvailable() && manager.getMagneticVariation() == 10.0);
    ChartPosition p = calcChartPositionAtBearing(start, 45.0, 999.0);
    pos->longitude = p.longitude, pos->latitude = p.latitude;
    fakeDeclination = 11.0;
    manager.Update();
    EXPECT_EQ(std::make_pair(modelCalls, manager.getMagneticVariation()), std::make_pair(1, 10.0));
    p = calcChartPositionAtBearing(start, 45.0, 1001.0);
    pos->longitude = p.longitude, pos->latitude = p.latitude;
    manager.Update();
    EXPECT_EQ(std::make_pair(modelCalls, manager.getMagneticVariation()), std::make_pair(2, 11.0));
    EXPECT_NEAR(lastModelPosition.latitude, p.latitude, 1e-12);
}

TEST_F(SensorManagerTest, WorldMagneticModelGivesEastVariationAtVancouver) {
    double declination = 0.0;
    ASSERT_TRUE(MagneticVariationTracker::worldMagneticModel(ChartPosition(-123.18, 49.19), 100.0, declination));
    EXPECT_TRUE(declination > 13.0 && declination < 18.0) << declination;  // about 15-16 degrees east in the 2020s
}

TEST_F(SensorManagerTest, TracksInTheConfiguredReference) {
    load(threeSensors("trackMode = Magnetic North\nD0 = 1\nD4 = 1\nD5 = 1\n"));
    auto* gps = sensor(1)->sample<GPS_Data>(ISensorData::GPS);
    gps->groundTrack = 5.0;
    gps->groundTrackAvail = true;
    EXPECT_EQ(manager.getDesiredTrack(), 5.0);  // variation not yet known
    manager.Update();
    EXPECT_EQ(manager.getTrackBearingReference(), SensorManager::MAGNETIC_NORTH);
    EXPECT_NEAR(manager.getMagneticTrack(), 355.0, 1e-12);  // 10 degrees east
    EXPECT_NEAR(manager.getDesiredTrack(), 355.0, 1e-12);
    manager.setTrackBearingReference(SensorManager::TRUE_NORTH);
    EXPECT_EQ(manager.getDesiredTrack(), 5.0);
    gps->groundTrackAvail = false;
    EXPECT_EQ(manager.getMagneticTrack(), -1.0);
}

TEST_F(SensorManagerTest, AltimeterFromPressureAndAltitude) {
    load(threeSensors("D5 = 1\nD11 = 1\nPRESSURE = Hg\n"));
    sensor(1)->sample<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE)->pressure =
        calcPressureFromAltitude(1000.0, kStandardSeaLevelPressure);
    sensor(1)->sample<Altitude_Data>(ISensorData::ALTITUDE)->altitude = 1200.0;
    EXPECT_GT(manager.getSeaLevelPressure(), kStandardSeaLevelPressure);
    EXPECT_NEAR(manager.getIndicatedAltitude(), 1200.0, 1e-6);
    EXPECT_NE(manager.getAltimeterSetting().find(L"inHg"), std::wstring::npos);
    // Traffic reports pressure altitude in feet unless it says it is geometric.
    TrafficElement target;
    double metres = 0;
    EXPECT_FALSE(manager.getAltitudeDifference(metres, &target));  // altitude unknown
    target.altitude = 5000.0;
    ASSERT_TRUE(manager.getAltitudeDifference(metres, &target));
    EXPECT_NEAR(metres, units::feetToMetres(5000) - 1000.0, 1e-6);
    target.capabilityIndex = 1000;
    ASSERT_TRUE(manager.getAltitudeDifference(metres, &target));
    EXPECT_NEAR(metres, units::feetToMetres(5000) - 1200.0, 1e-6);
    manager.setAltimeterFallbackForced(true);
    manager.setFallbackSeaLevelPressure(kStandardSeaLevelPressure);
    EXPECT_EQ(manager.getAltimeterSetting(), L"29.92 inHg");
    manager.setGNSSAltitudeForced(true);
    EXPECT_EQ(manager.getIndicatedAltitude(), 1200.0);
}

TEST_F(SensorManagerTest, UpdateOrderOfTrafficHookReceiversAndLogbook) {
    struct Receiver : ISensorDataReceiver {
        std::vector<std::string>* log;
        void OnSensorUpdate(SensorManager*) override { log->push_back("receiver"); }
    } receiver;
    std::vector<std::string> log;
    receiver.log = &log;
    manager.registerSensorDataReceiver(&receiver);
    manager.registerSensorDataReceiver(&receiver);  // once only
    manager.setTrafficWarningHook([&](SensorManager&) { log.push_back("traffic"); });
    manager.setLogbookHook([&] { log.push_back("logbook"); });
    load(threeSensors("enableTrafficWarnings = 1\nD4 = 1\nD15 = 2\n"));
    manager.Update();
    EXPECT_EQ(log, (std::vector<std::string>{"traffic", "receiver", "logbook"}));
    log.clear();
    sensor(2)->warning = ISensor::WRONG;  // no traffic available
    manager.Update();
    EXPECT_EQ(log, (std::vector<std::string>{"receiver", "logbook"}));
}

}  // namespace
