#include "fusion/InternalSensorFusion.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/Time.h"
#include "fusion/PilotMessages.h"
#include "fusion/RequiredSensors.h"
#include "net/Thread.h"

namespace {
constexpr double kSeaLevelDensity = 1.225;  // kg/m^3
}  // namespace

InternalSensorFusion::InternalSensorFusion(std::unique_ptr<IRawSource> rawSource, const FusionSettings& settings,
                                           bool withAttitude, bool external, const InstallationCalibration& calibration,
                                           AttitudeFusion::MessageSink sink)
    : source(std::move(rawSource)),
      fusion(settings, [this](const std::string& text) { say(text); }),
      log(std::move(sink)),
      attitude(withAttitude),
      externalSource(external) {
    fusion.setAttitudeEnabled(attitude);
    fusion.setInstallation(calibration.sensorToAircraft());
    if (calibration.gyroBias != Vector3d()) fusion.setGyroBias(calibration.gyroBias);
    fusion.setAccLenBias(calibration.accLenBias);
}

InternalSensorFusion::~InternalSensorFusion() { shutdown(); }

void InternalSensorFusion::say(const std::string& text) {
    if (log) log(text);
    PilotMessage forPilot;
    if (!source || !toPilotMessage(text, forPilot)) return;
    std::lock_guard<std::mutex> lock(source->getLock());
    handOver.messages.push_back(text);
}

bool InternalSensorFusion::start() {
    if (running) return true;
    if (!source) return false;
    if (!attitude) {
        say("Mode: only refRot");
    } else {
        const std::vector<std::string> missing = missingAttitudeSensors(source->getCompatibility());
        if (!missing.empty()) {
            say(kAttitudeSensorsRequired);
            for (const std::string& line : missing) say(line);
            return false;
        }
    }
    say("Creating Fusion Thread...");
    exitRequested = false;
    if (!createThread(&thread, &InternalSensorFusion::threadMain, this, true)) {
        say("Error: Sensor thread init failed.");
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
    me->say("SocketMain mExit true");
    return nullptr;
}

// Called with the sample locked.
void InternalSensorFusion::readSample(RawSample& sample) {
    sample.accAvail = source->getAcc(sample.acc);
    sample.gyrAvail = source->getGyro(sample.gyr);
    sample.magAvail = source->getMag(sample.mag);
    sample.gpsAvail = source->getGPS(sample.gps);
    if (sample.gpsAvail) sample.gpsSource = source->getGNSSSourceName();
    sample.insidePressureAvail = source->getPressure(sample.insidePressure);
    sample.outsidePressureAvail = source->getStaticPressure(sample.outsidePressure);
    double total = 0;
    if (sample.outsidePressureAvail && source->getTotalPressure(total)) {
        // Airspeed from the pitot's dynamic pressure (hPa) at sea-level density.
        sample.airspeedAvail = true;
        sample.airspeed = std::sqrt(2.0 * std::max(0.0, total - sample.outsidePressure) * 100.0 / kSeaLevelDensity);
    }
    if (!source->getSampleTime(sample.time)) sample.time = getSecs();
}

bool InternalSensorFusion::iterate() {
    if (calibrationRequested.exchange(false)) fusion.startGyroRateCalibration();
    if (!source->receiveAndLockData(this, kReceiveTimeoutMs)) {
        std::lock_guard<std::mutex> lock(source->getLock());
        handOver.connected = source->getConnectivity() != 0;
        return false;
    }
    RawSample sample;
    readSample(sample);
    source->unLock();

    // The estimation runs without the lock, so the main thread never waits for it.
    const FusionOutput& out = fusion.step(sample);
    if (out.strategy != lastStrategy) {
        lastStrategy = out.strategy;
        say("finalType: " + std::to_string(out.strategy));
    }
    const bool calibrating = fusion.getGyroCalibration().isRunning();
    const bool calibrationEnded = wasCalibrating && !calibrating;
    wasCalibrating = calibrating;
    // Back from the calibration's rest: the filters converge normally again.
    if (calibrationEnded) say("normal convergence forced");
    handOverResult(out, calibrationEnded);
    return true;
}

void InternalSensorFusion::handOverResult(const FusionOutput& out, bool calibrationEnded) {
    std::lock_guard<std::mutex> lock(source->getLock());
    if (calibrationEnded) {
        handOver.bias = fusion.getGyroCalibration().getBias();
        handOver.newBias = true;
    }
    handOver.connected = source->getConnectivity() != 0;
    handOver.latest = out;
    ++handOver.produced;
}

bool InternalSensorFusion::takeOutput(FusionOutput& out) {
    if (!source) return false;
    std::lock_guard<std::mutex> lock(source->getLock());
    if (handOver.produced == handOver.taken) return false;
    out = handOver.latest;
    handOver.taken = handOver.produced;
    return true;
}

std::vector<std::string> InternalSensorFusion::takeMessages() {
    if (!source) return {};
    std::lock_guard<std::mutex> lock(source->getLock());
    return std::exchange(handOver.messages, {});
}

bool InternalSensorFusion::isConnected() {
    if (!source) return false;
    std::lock_guard<std::mutex> lock(source->getLock());
    return handOver.connected;
}

bool InternalSensorFusion::takeNewGyroBias(Vector3d& out) {
    if (!source) return false;
    std::lock_guard<std::mutex> lock(source->getLock());
    if (!handOver.newBias) return false;
    out = handOver.bias;
    handOver.newBias = false;
    return true;
}
