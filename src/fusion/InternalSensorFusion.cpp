#include "fusion/InternalSensorFusion.h"

#include <algorithm>
#include <cmath>

#include "base/Time.h"
#include "net/Thread.h"

namespace {
constexpr double kSeaLevelDensity = 1.225;  // kg/m^3
}  // namespace

InternalSensorFusion::InternalSensorFusion(std::unique_ptr<IRawSource> rawSource, const FusionSettings& settings,
                                           bool withAttitude, bool external, const InstallationCalibration& calibration,
                                           AttitudeFusion::MessageSink sink)
    : source(std::move(rawSource)),
      fusion(settings, sink),
      messages(std::move(sink)),
      attitude(withAttitude),
      externalSource(external) {
    fusion.setAttitudeEnabled(attitude);
    fusion.setInstallation(calibration.sensorToAircraft());
    if (calibration.gyroBias != Vector3d()) fusion.setGyroBias(calibration.gyroBias);
    fusion.setAccLenBias(calibration.accLenBias);
}

InternalSensorFusion::~InternalSensorFusion() { shutdown(); }

bool InternalSensorFusion::checkRequiredSensors() {
    if (!attitude) {
        messages("Mode: only refRot");
        return true;
    }
    const int have = source ? source->getCompatibility() : 0;
    const bool gyro = have & IRawSource::GYROSCOPE, acc = have & IRawSource::ACCELEROMETER;
    const bool mag = have & IRawSource::MAGNETOMETER, gnss = have & IRawSource::GNSS;
    if (gyro && acc && mag && gnss) return true;
    messages("Error: A gyroscope, accelerometer, magnetometer and GPS/GNSS receiver is required.");
    if (!gyro) messages("Gyroscope is missing.");
    if (!acc) messages("Accelerometer is missing.");
    if (!mag) messages("Magnetometer is missing.");
    if (!gnss) messages("GNSS/GPS is missing.");
    return false;
}

bool InternalSensorFusion::start() {
    if (running) return true;
    if (!source || !checkRequiredSensors()) return false;
    messages("Creating Fusion Thread...");
    exitRequested = false;
    if (!createThread(&thread, &InternalSensorFusion::threadMain, this, true)) {
        messages("Error: Sensor thread init failed.");
        return false;
    }
    running = true;
    return true;
}

void InternalSensorFusion::shutdown() {
    if (!running) return;
    exitRequested = true;
    pthread_join(thread, nullptr);
    running = false;
}

void* InternalSensorFusion::threadMain(void* self) {
    auto* me = static_cast<InternalSensorFusion*>(self);
    while (!me->exitRequested) me->iterate();
    me->messages("SocketMain mExit true");
    return nullptr;
}

bool InternalSensorFusion::iterate() {
    if (calibrationRequested.exchange(false)) fusion.startGyroRateCalibration();
    if (!source->receiveAndLockData(this, kReceiveTimeoutMs)) return false;
    RawSample sample;
    sample.accAvail = source->getAcc(sample.acc);
    sample.gyrAvail = source->getGyro(sample.gyr);
    sample.magAvail = source->getMag(sample.mag);
    sample.gpsAvail = source->getGPS(sample.gps);
    if (sample.gpsAvail) sample.gpsSource = source->getGNSSSourceName();
    double total = 0, stat = 0;
    if (source->getTotalPressure(total) && source->getStaticPressure(stat)) {
        // Airspeed from the pitot's dynamic pressure (hPa) at sea-level density.
        sample.airspeedAvail = true;
        sample.airspeed = std::sqrt(2.0 * std::max(0.0, total - stat) * 100.0 / kSeaLevelDensity);
    }
    if (!source->getSampleTime(sample.time)) sample.time = getSecs();
    source->unLock();

    const FusionOutput& out = fusion.step(sample);
    if (out.strategy != lastStrategy) {
        lastStrategy = out.strategy;
        messages("finalType: " + std::to_string(out.strategy));
    }
    const bool calibrating = fusion.getGyroCalibration().isRunning();
    std::lock_guard<std::mutex> lock(handOver);
    if (wasCalibrating && !calibrating) {
        // Back from the calibration's rest: the filters converge normally again.
        messages("normal convergence forced");
        bias = fusion.getGyroCalibration().getBias();
        newBias = true;
    }
    wasCalibrating = calibrating;
    latest = out;
    ++produced;
    return true;
}

bool InternalSensorFusion::takeOutput(FusionOutput& out) {
    std::lock_guard<std::mutex> lock(handOver);
    if (produced == taken) return false;
    out = latest;
    taken = produced;
    return true;
}

bool InternalSensorFusion::takeNewGyroBias(Vector3d& out) {
    std::lock_guard<std::mutex> lock(handOver);
    if (!newBias) return false;
    out = bias;
    newBias = false;
    return true;
}
