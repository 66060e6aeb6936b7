#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fusion/FusionSettings.h"
#include "fusion/GPSLowPassFilter.h"
#include "fusion/GnssAcceptance.h"
#include "fusion/GnssKinematics.h"
#include "fusion/GyroCalibration.h"
#include "fusion/LowPassVector.h"
#include "fusion/MagneticHeading.h"
#include "fusion/RawSample.h"
#include "fusion/estimation/IRotationEstimation.h"
#include "fusion/estimation/RotationMath.h"
#include "geo/ChartPosition.h"

// What one fusion iteration produces.
struct FusionOutput {
    double time = 0;
    Matrix3x3 attitude;
    rotation::EulerDegrees euler;
    int strategy = -1;  // type number of the strategy delivered; -1 none
    ISensor::WarningLevel warning = ISensor::WRONG;
    ISensor::WarningLevel levels[ISensorData::TYPE_COUNT];
    bool gpsValid = false;  // `gps` holds an accepted (and filtered) record
    GPS_Data gps;
    double verticalSpeed = 0;  // m/s
    double turnRate = 0;       // degrees per second, positive right
    double magneticVariation = 0;
    bool magneticVariationAvail = false;
    Vector3d bodyAcc;  // specific force, aircraft axes
    // Air data of the newest sample, as RawSample has it.
    bool airspeedAvail = false, insidePressureAvail = false, outsidePressureAvail = false;
    double airspeed = 0, insidePressure = 0, outsidePressure = 0;
};

// One iteration of the fusion loop, free of threads and devices: feeds a raw
// sample through calibration, GNSS acceptance, the strategies and the
// selection. The service runs it on its thread; the tools and tests run it
// directly over recorded or generated data.
class AttitudeFusion {
public:
    using MessageSink = std::function<void(const std::string&)>;
    // Declination (degrees) at a position and altitude; false when unknown.
    using VariationModel = std::function<bool(const ChartPosition&, double, double&)>;

    static constexpr double kVariationPeriod = 60.0;
    static constexpr double kPitotSpeedKnots = 40.0;
    static constexpr double kPitotMinAirspeed = 9.71922247059976;
    // Below this GNSS speed the aircraft stands, for the gyro calibration.
    static constexpr double kStillKnots = 2.0;
    static constexpr double kStillValidSeconds = 3.0;

    AttitudeFusion(const FusionSettings& settings, MessageSink messages);
    ~AttitudeFusion();

    // Off (GNSS only): the attitude stays straight and level.
    void setAttitudeEnabled(bool enabled) { attitudeEnabled = enabled; }
    // Only this strategy is delivered (-1: the selection of the settings).
    void forceStrategy(int type) { forcedStrategy = type; }
    // Runs only this strategy and delivers it (measurements); -1 runs all.
    void runOnly(int type) { onlyStrategy = forcedStrategy = type; }
    // Sensor axes into aircraft axes (the installation calibration).
    void setInstallation(const Matrix3x3& sensorToAircraft) { installation = sensorToAircraft; }
    void setGyroBias(const Vector3d& bias) { gyroCalibration.setBias(bias); }
    // Added to the accelerometer's length (m/s^2), from the installation calibration.
    void setAccLenBias(double bias) { accLenBias = bias; }
    void setVariationModel(VariationModel model) { variationModel = std::move(model); }
    void startGyroRateCalibration() { gyroCalibration.startRateCalibration(); }

    const FusionOutput& step(const RawSample& sample);

    const FusionOutput& getOutput() const { return output; }
    const GyroCalibration& getGyroCalibration() const { return gyroCalibration; }
    IRotationEstimation* getStrategy(int type) const;
    const char* getStrategyName(int type) const;

private:
    void handleGnss(const RawSample& sample);
    void updateVariation(double time);
    void checkPitot(const RawSample& sample);
    void feedStrategies(const RawSample& sample, const Matrix3x3& delta, double dt);
    void selectResult(double dt);

    FusionSettings settings;
    MessageSink messages;
    std::vector<std::unique_ptr<IRotationEstimationFactory>> factories;
    std::vector<std::unique_ptr<IRotationEstimation>> strategies;
    std::vector<Matrix3x3> results;
    std::vector<bool> usable;
    GnssAcceptance acceptance;
    GnssKinematics kinematics;
    GPSLowPassFilter gpsFilter;
    GyroCalibration gyroCalibration;
    MagneticHeading magneticHeading;
    LowPassVector bluredAcc, bluredMag, bluredGyro;
    VariationModel variationModel;
    Matrix3x3 installation;
    FusionOutput output;

    bool attitudeEnabled = true;
    int forcedStrategy = -1;
    int onlyStrategy = -1;
    int delivered = -1;
    bool gliding = false;
    bool started = false;
    double lastTime = 0;
    double lastGpsInterval = 1.0;
    double lastStillTime = -1e9;
    double accLenBias = 0;
    double lastGpsTime = -1, lastAcceptedTime = -1e9, lastVariationTime = -1e9;
    bool kinematicsFresh = false;
    std::string gpsSource;
    bool everAccepted = false;
    bool pitotWarned = false;
    GPS_Filter::FilterResult filterResult = GPS_Filter::NO_NEW_DATA;
};
