#include <gtest/gtest.h>

#include <mutex>

#include "support/Eventually.h"
#include "FlightScenarios.h"
#include "QueueRawSource.h"
#include "support/RecordingUI.h"
#include "support/TempDir.h"
#include "fusion/FlightStateIMU.h"
#include "fusion/InternalSensorFusion.h"
#include "sensors/SensorData.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

namespace {

std::deque<RawSample> cruiseSamples(double seconds) {
    FlightScenario s;
    makeScenario("turns", s);
    std::deque<RawSample> out;
    for (const GeneratedSample& g : generateFlight(s))
        if (g.raw.time <= seconds) out.push_back(g.raw);
    return out;
}

class FusionServiceTest : public ::testing::Test {
protected:
    FusionServiceTest() { manager.setUI(&ui); }
    ISensor* create(const char* mode, std::deque<RawSample> samples,
                    int compatibility = QueueRawSource::kInertialAndGnss) {
        auto* factory = new FlightStateIMUFactory(&manager, dir / "calibration.ini",
                                                  [samples, compatibility](FlightStateIMU::ConfigMode) {
                                                      return std::make_unique<QueueRawSource>(samples, compatibility);
                                                  });
        registerSensorKinds(manager, factory);
        IniFile ini;
        ini.set("fusion", "configMode", mode);
        factory->loadSetupFromIni(&ini, "fusion");
        return factory->Create();
    }
    template <class Sample>
    Sample* sample(ISensor& sensor, ISensorData::Type type) {
        return static_cast<Sample*>(sensor.getData(type));
    }
    bool positionArrives(ISensor& sensor) {
        return eventually(
            [&] {
                sensor.Update();
                return sensor.getWarning(ISensorData::POSITION) == ISensor::GOOD;
            },
            10000);
    }
    RecordingUI ui;
    SensorManager manager;
    TempDir dir;
};

TEST_F(FusionServiceTest, RegisteredFirstAndDeliversAttitudeFromItsThread) {
    std::unique_ptr<ISensor> sensor(create("INTERNAL_AHRS", cruiseSamples(40)));
    EXPECT_EQ("Official SensorFusion", manager.getSensorFactories()[0]->getName());
    ASSERT_TRUE(eventually([&] { return sensor->Update(); }, 10000));
    auto* attitude = static_cast<Attitude_Data*>(sensor->getData(ISensorData::ATTITUDE));
    // Straight and level cruise on the start heading of the scenario.
    ASSERT_TRUE(eventually(
        [&] {
            sensor->Update();
            return sensor->getWarning(ISensorData::ATTITUDE) == ISensor::GOOD;
        },
        10000));
    EXPECT_NEAR(0.0, attitude->orientation.getPitchDegrees(), 6.0);
    EXPECT_NEAR(30.0, static_cast<Heading_Data*>(sensor->getData(ISensorData::HEADING))->heading, 3.0);
    EXPECT_EQ(ISensor::GOOD, sensor->getWarning(ISensorData::POSITION));
    sensor->OnShutdown();
}

TEST_F(FusionServiceTest, GnssOnlyGivesPositionAndALevelAttitude) {
    std::unique_ptr<ISensor> sensor(create("INTERNAL_GNSS_ONLY", cruiseSamples(5)));
    auto* position = static_cast<Position_Data*>(sensor->getData(ISensorData::POSITION));
    ASSERT_TRUE(eventually(
        [&] {
            sensor->Update();
            return sensor->getWarning(ISensorData::POSITION) == ISensor::GOOD;
        },
        10000));
    EXPECT_NEAR(47.0, position->latitude, 0.05);
    EXPECT_NEAR(8.0, position->longitude, 0.05);
    EXPECT_EQ(Matrix3x3(), static_cast<Attitude_Data*>(sensor->getData(ISensorData::ATTITUDE))->orientation);
}

TEST_F(FusionServiceTest, ExternalModesSayTheyAreNotAvailable) {
    std::unique_ptr<ISensor> sensor(create("EXT_GNSS_AND_AHRS", {}));
    EXPECT_FALSE(sensor->Update());
    EXPECT_NE(std::wstring::npos, sensor->getSensorDetails().find(L"not available in this version"));
}

TEST_F(FusionServiceTest, AskUserOffersAttitudeOrGnssOnly) {
    ui.answer = 0;
    std::unique_ptr<ISensor> withAttitude(create("ASK_USER", cruiseSamples(40)));
    EXPECT_EQ(L"Please select your prefered Tablet/Phone sensor usage:", ui.questions.at(0));
    EXPECT_EQ((std::vector<std::wstring>{L"Tablet/Phone Sensors with AHRS", L"GPS/GNNS only"}), ui.lastChoices);
    auto* attitude = sample<Attitude_Data>(*withAttitude, ISensorData::ATTITUDE);
    EXPECT_TRUE(eventually(
        [&] {
            withAttitude->Update();
            return !(attitude->orientation == Matrix3x3());  // heading 30 degrees: not the unit matrix
        },
        10000));
    withAttitude->OnShutdown();

    ui.answer = -1;  // no answer: nothing but the receiver is needed
    std::unique_ptr<ISensor> gnssOnly(create("ASK_USER", cruiseSamples(40)));
    EXPECT_EQ(2u, ui.questions.size());
    ASSERT_TRUE(positionArrives(*gnssOnly));
    EXPECT_EQ(Matrix3x3(), sample<Attitude_Data>(*gnssOnly, ISensorData::ATTITUDE)->orientation);
}

TEST_F(FusionServiceTest, DeviceWithoutMagnetometerIsToldAndFliesOnGnss) {
    ui.answer = 0;
    std::unique_ptr<ISensor> sensor(create("INTERNAL_AHRS", cruiseSamples(5),
                                           IRawSource::ACCELEROMETER | IRawSource::GYROSCOPE | IRawSource::GNSS));
    ASSERT_EQ(1u, ui.questions.size());
    EXPECT_EQ(L"Error: Your device does not have the required sensors for AHRS.\nMagnetometer is missing.",
              ui.questions[0]);
    EXPECT_EQ(std::vector<std::wstring>{L"OK"}, ui.lastChoices);
    ASSERT_TRUE(positionArrives(*sensor));
    EXPECT_EQ(Matrix3x3(), sample<Attitude_Data>(*sensor, ISensorData::ATTITUDE)->orientation);
}

TEST_F(FusionServiceTest, WarningsOfTheFusionThreadReachTheMessageLine) {
    std::deque<RawSample> samples = cruiseSamples(20);
    for (RawSample& s : samples) s.outsidePressureAvail = s.airspeedAvail = true, s.outsidePressure = 950;
    const int pitotStatic = IRawSource::STATIC_PRESSURE | IRawSource::TOTAL_PRESSURE;
    std::unique_ptr<ISensor> sensor(
        create("INTERNAL_GNSS_ONLY", samples, QueueRawSource::kInertialAndGnss | pitotStatic));
    sensor->OnCalibrate();
    EXPECT_TRUE(eventually(
        [&] {
            sensor->Update();
            return ui.saw(L"Warning: Check pitot static connection. High groundspeed + no airspeed.",
                          ISensorManagerUI::WARNING) &&
                   ui.saw(L"Gyro rate calibration in progress...", ISensorManagerUI::NOTICE);
        },
        10000));
    EXPECT_FALSE(ui.saw(L"Creating Fusion Thread...", ISensorManagerUI::NORMAL)) << "log only";
}

TEST_F(FusionServiceTest, AirDataWhenTheSourceHasAPitotStaticSystem) {
    std::deque<RawSample> samples = cruiseSamples(3);
    for (RawSample& s : samples) {
        s.insidePressureAvail = s.outsidePressureAvail = s.airspeedAvail = true;
        s.insidePressure = 1000, s.outsidePressure = 950, s.airspeed = 100 * 1852.0 / 3600.0;
    }
    const int all = IRawSource::PRESSURE | IRawSource::STATIC_PRESSURE | IRawSource::TOTAL_PRESSURE;
    std::unique_ptr<ISensor> sensor(create("INTERNAL_GNSS_ONLY", samples, QueueRawSource::kInertialAndGnss | all));
    ASSERT_TRUE(positionArrives(*sensor));
    EXPECT_NEAR(100.0, sample<AirSpeed_Data>(*sensor, ISensorData::AIRSPEED)->airSpeed, 0.01);
    EXPECT_DOUBLE_EQ(1000.0, sample<Pressure_Data>(*sensor, ISensorData::INSIDE_PRESSURE)->pressure);
    EXPECT_DOUBLE_EQ(950.0, sample<Pressure_Data>(*sensor, ISensorData::OUTSIDE_PRESSURE)->pressure);
    sensor->OnShutdown();

    // A barometer alone gives no airspeed and no outside pressure.
    std::unique_ptr<ISensor> barometer(
        create("INTERNAL_GNSS_ONLY", samples, QueueRawSource::kInertialAndGnss | IRawSource::PRESSURE));
    EXPECT_TRUE(barometer->isDataTypeSupported(ISensorData::INSIDE_PRESSURE));
    EXPECT_FALSE(barometer->isDataTypeSupported(ISensorData::AIRSPEED));
    EXPECT_FALSE(barometer->isDataTypeSupported(ISensorData::OUTSIDE_PRESSURE));
}

TEST(InternalSensorFusionTest, AttitudeNeedsAllFourSensorsAndNamesTheMissing) {
    std::vector<std::string> lines;
    InternalSensorFusion fusion(
        std::make_unique<QueueRawSource>(std::deque<RawSample>{}, IRawSource::ACCELEROMETER | IRawSource::GNSS),
        FusionSettings(), true, false, InstallationCalibration(), [&](const std::string& l) { lines.push_back(l); });
    EXPECT_FALSE(fusion.start());
    const std::vector<std::string> expected = {
        "Error: A gyroscope, accelerometer, magnetometer and GPS/GNSS receiver is required.", "Gyroscope is missing.",
        "Magnetometer is missing."};
    EXPECT_EQ(expected, lines);
}

TEST(InternalSensorFusionTest, ThreadAnnouncesItselfAndItsEnd) {
    std::vector<std::string> lines;
    std::mutex linesMutex;
    {
        InternalSensorFusion fusion(std::make_unique<QueueRawSource>(cruiseSamples(1)), FusionSettings(), true, false,
                                    InstallationCalibration(), [&](const std::string& l) {
                                        std::lock_guard<std::mutex> lock(linesMutex);
                                        lines.push_back(l);
                                    });
        ASSERT_TRUE(fusion.start());
        FusionOutput out;
        EXPECT_TRUE(eventually([&] { return fusion.takeOutput(out); }, 10000));
    }
    EXPECT_EQ("Creating Fusion Thread...", lines.front());
    EXPECT_EQ("SocketMain mExit true", lines.back());
}

}  // namespace
