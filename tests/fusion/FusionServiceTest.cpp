#include <gtest/gtest.h>

#include <deque>
#include <mutex>

#include "support/Eventually.h"
#include "FlightScenarios.h"
#include "support/TempDir.h"
#include "fusion/FlightStateIMU.h"
#include "fusion/InternalSensorFusion.h"
#include "sensors/SensorData.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

namespace {

// Hands out prepared samples, then reports nothing more.
class QueueRawSource : public IRawSource {
public:
    QueueRawSource(std::deque<RawSample> samples, int compatibility = ACCELEROMETER | GYROSCOPE | MAGNETOMETER | GNSS)
        : queue(std::move(samples)), compatibility(compatibility) {}
    bool receiveAndLockData(void*, int) override {
        mutex.lock();
        if (queue.empty()) {
            mutex.unlock();
            return false;
        }
        current = queue.front();
        queue.pop_front();
        return true;
    }
    void unLock() override { mutex.unlock(); }
    int getCompatibility() override { return compatibility; }
    bool getAcc(Vector3d& v) override { return v = current.acc, current.accAvail; }
    bool getGyro(Vector3d& v) override { return v = current.gyr, current.gyrAvail; }
    bool getMag(Vector3d& v) override { return v = current.mag, current.magAvail; }
    bool getGPS(GPS_Data& g) override { return g = current.gps, current.gpsAvail; }
    bool getSampleTime(double& t) override { return t = current.time, true; }
    int getConnectivity() override { return 1; }
    std::string getName() override { return "queue"; }

private:
    std::mutex mutex;
    std::deque<RawSample> queue;
    RawSample current;
    int compatibility;
};

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
    ISensor* create(const char* mode, std::deque<RawSample> samples) {
        auto* factory = new FlightStateIMUFactory(
            &manager, dir / "calibration.ini",
            [samples](FlightStateIMU::ConfigMode) { return std::make_unique<QueueRawSource>(samples); });
        registerSensorKinds(manager, factory);
        IniFile ini;
        ini.set("fusion", "configMode", mode);
        factory->loadSetupFromIni(&ini, "fusion");
        return factory->Create();
    }
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
