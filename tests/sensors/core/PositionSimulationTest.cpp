#include <gtest/gtest.h>

#include <cmath>

#include "SensorTestSupport.h"
#include "base/Units.h"
#include "geo/Geodesy.h"
#include "sensors/PositionSimulationSensor.h"
#include "sensors/PressureAltitude.h"
#include "sensors/SensorKinds.h"

namespace {

class PositionSimulationTest : public ::testing::Test {
protected:
    void SetUp() override { registerSensorDataFactories(manager); }
    std::unique_ptr<PositionSimulationSensor> make(const PositionSimulationSensor::Flight& flight) {
        return std::make_unique<PositionSimulationSensor>(manager, flight, [this] { return now; });
    }
    // Advances the clock in steps of the update period.
    void fly(PositionSimulationSensor& sim, double seconds, double step = 0.1) {
        for (double t = 0; t < seconds - 1e-9; t += step) {
            now += step;
            sim.Update();
        }
    }
    SensorManager manager;
    double now = 1000.0;
};

TEST_F(PositionSimulationTest, FliesStraightAtItsGroundSpeed) {
    PositionSimulationSensor::Flight flight;
    flight.start = ChartPosition(8.0, 47.0);
    flight.trackDegrees = 90.0;
    flight.groundSpeedKnots = 100.0;
    auto sim = make(flight);
    EXPECT_EQ(sim->getWarning(ISensorData::POSITION), ISensor::WRONG);  // nothing flown yet
    ASSERT_TRUE(sim->Update());
    EXPECT_FALSE(sim->Update());  // same instant
    EXPECT_EQ(sim->getWarning(ISensorData::POSITION), ISensor::GOOD);
    fly(*sim, 36.0);  // 100 kt for 36 s: one nautical mile
    auto* pos = static_cast<Position_Data*>(sim->getData(ISensorData::POSITION));
    const ChartPosition reached(pos->longitude, pos->latitude);
    EXPECT_NEAR(calcDistance2(flight.start, reached), units::kMetresPerNauticalMile, 2.0);
    EXPECT_NEAR(calcBearing2(flight.start, reached), 90.0, 0.05);
    auto* gps = static_cast<GPS_Data*>(sim->getData(ISensorData::GPS));
    EXPECT_TRUE(gps->positionAvail && gps->speedAvail && gps->groundTrackAvail && gps->altitudeAvail);
    EXPECT_EQ(std::make_tuple(gps->latitude, gps->groundSpeed, gps->fixType), std::make_tuple(pos->latitude, 100.0, 3));
}

TEST_F(PositionSimulationTest, ACircleAtThreeDegreesPerSecondClosesInTwoMinutes) {
    PositionSimulationSensor::Flight flight;
    flight.start = ChartPosition(-123.0, 49.0);
    flight.trackDegrees = 0.0;
    flight.turnRateDegPerSec = 3.0;
    auto sim = make(flight);
    sim->Update();
    fly(*sim, 30.0);
    EXPECT_NEAR(sim->getTrack(), 90.0, 1e-6);
    EXPECT_NEAR(static_cast<Heading_Data*>(sim->getData(ISensorData::HEADING))->heading, 90.0, 1e-6);
    // A right turn banks right: the up vector leans to the inside (south when heading east).
    auto* attitude = static_cast<Attitude_Data*>(sim->getData(ISensorData::ATTITUDE));
    const Vector3d up = attitude->orientation.getUpVector();
    EXPECT_LT(up.z, -0.1);
    EXPECT_NEAR(attitude->orientation.getForwardVector().x, 1.0, 1e-9);  // nose east
    fly(*sim, 90.0);
    auto* pos = static_cast<Position_Data*>(sim->getData(ISensorData::POSITION));
    EXPECT_LT(calcDistance2(flight.start, ChartPosition(pos->longitude, pos->latitude)), 5.0);
    EXPECT_NEAR(static_cast<TurnRate_Data*>(sim->getData(ISensorData::TURNRATE))->turnRate, 3.0, 0);
}

TEST_F(PositionSimulationTest, AirDataAgreesWithTheManagersDerivedValues) {
    registerSensorKinds(manager);
    manager.setClock([this] { return now; });
    manager.setMagneticModel([](const ChartPosition&, double, double& d) {
        d = 16.0;
        return true;
    });
    IniFile ini;
    ini.setFromString("SensorCount = 2\n[S1]\nFactoryIndex = 7\naltitude = 8000\ngroundSpeed = 120\ntrack = 200\n");
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) ini.set("", "D" + std::to_string(t), "1");
    manager.loadSensorSettingsFromIni(&ini, false);
    manager.Update();
    // Calm standard air: true airspeed from indicated airspeed and pressure equals the ground speed.
    EXPECT_NEAR(manager.getTrueAirspeed(), 120.0, 0.05);
    EXPECT_NEAR(manager.getIndicatedAltitude(), units::feetToMetres(8000), 1e-6);
    EXPECT_NEAR(manager.getSeaLevelPressure(), kStandardSeaLevelPressure, 1e-6);
    EXPECT_NEAR(manager.getMagneticTrack(), 184.0, 1e-9);
    EXPECT_EQ(manager.getDefaultSensorsWarningLevel(), ISensor::GOOD);
    EXPECT_NE(manager.getSensorInterface(1)->getSensorDetails().find(L"Position Simulation"), std::wstring::npos);
}

}  // namespace
