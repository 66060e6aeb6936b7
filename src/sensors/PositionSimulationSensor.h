#pragma once
#include <functional>

#include "geo/ChartPosition.h"
#include "sensors/ASettingsSensorFactory.h"
#include "sensors/ASampleTableSensor.h"

// A simulated aircraft for flight planning and demonstrations without
// hardware: it flies from a start position at a constant ground speed,
// turns at a constant rate and climbs or descends between two altitudes,
// in calm standard-atmosphere air. Every sample it supplies describes the
// same flight (position, GNSS, altitude, speeds, heading, attitude in a
// coordinated turn, pressure and temperature).
class PositionSimulationSensor : public ASampleTableSensor {
public:
    struct Flight {
        ChartPosition start{-123.1792, 49.1947};
        double altitudeFeet = 3000.0;
        double groundSpeedKnots = 100.0;
        double trackDegrees = 90.0;
        double turnRateDegPerSec = 0.0;  // positive turns right
        double climbRateFeetPerMin = 0.0;
        double minAltitudeFeet = 1000.0;
        double maxAltitudeFeet = 10000.0;
        int updatesPerSecond = 10;
    };

    // The longest step integrated at once; a stalled main loop does not
    // make the aircraft jump.
    static constexpr double kMaxStepSeconds = 2.0;

    PositionSimulationSensor(SensorManager& manager, const Flight& flight,
                             std::function<double()> clock = std::function<double()>());

    std::string getName() override { return "Position Simulation"; }
    bool Update() override;
    uint32_t lastTimeUpdated(ISensorData::Type type) override;
    WarningLevel getWarning(ISensorData::Type type) override;
    std::wstring getSensorDetails() override;

    const ChartPosition& getPosition() const { return position; }
    double getAltitudeFeet() const { return altitudeFeet; }
    double getTrack() const { return track; }
    double getClimbRateFeetPerMin() const { return climbRate; }

    static const std::vector<ISensorData::Type>& supportedTypes();

private:
    void step(double seconds);
    void publish(uint32_t timeStamp);

    Flight flight;
    std::function<double()> clock;
    ChartPosition position;
    double altitudeFeet;
    double track;
    double climbRate;
    double lastStep = 0.0;
    bool started = false;
    uint32_t lastUpdate = 0;
};

class PositionSimulationSensorFactory : public ASettingsSensorFactory {
public:
    static const char* const kDescriptor;

    explicit PositionSimulationSensorFactory(SensorManager* manager);

    ISensor* Create() override;
    std::string getName() override { return "Position Simulation"; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override {
        return PositionSimulationSensor::supportedTypes();
    }
    // The flight described by the settings last loaded.
    PositionSimulationSensor::Flight getFlight() const;
};
