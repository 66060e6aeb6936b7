#include "fusion/AttitudeFusion.h"

#include <algorithm>
#include <cmath>

#include "base/Units.h"
#include "fusion/estimation/RotationEstimationRegistry.h"
#include "fusion/estimation/StrategySelector.h"
#include "sensors/MagneticVariationTracker.h"

namespace {
constexpr double kFirstStep = 0.01;
constexpr double kMaxStep = 0.5;
constexpr double kGlideDoneDegrees = 0.2;
}  // namespace

AttitudeFusion::AttitudeFusion(const FusionSettings& s, MessageSink sink)
    : settings(s),
      messages(std::move(sink)),
      factories(createRotationEstimationFactories()),
      strategies(createRotationEstimations(factories)),
      results(strategies.size()),
      usable(strategies.size(), false),
      acceptance(messages, uint32_t(std::max(0, s.timeoutMs))),
      gpsFilter(s.gpsK, messages),
      gyroCalibration(s.restAccThreshold, s.restGyrThreshold),
      bluredAcc(s.accSigma),
      bluredMag(s.magSigma),
      bluredGyro(s.angularSigma),
      variationModel(&MagneticVariationTracker::worldMagneticModel) {
    gyroCalibration.setMessageSink(messages);
    for (auto& level : output.levels) level = ISensor::WRONG;
}

AttitudeFusion::~AttitudeFusion() = default;

IRotationEstimation* AttitudeFusion::getStrategy(int type) const {
    return type >= 0 && size_t(type) < strategies.size() ? strategies[type].get() : nullptr;
}

const char* AttitudeFusion::getStrategyName(int type) const {
    return type >= 0 && size_t(type) < factories.size() && factories[type] ? factories[type]->getName() : "none";
}

void AttitudeFusion::handleGnss(const RawSample& sample) {
    kinematicsFresh = false;
    if (!sample.gpsAvail) {
        filterResult = sample.time - lastAcceptedTime <= GnssAcceptance::kHintTimeout ? GPS_Filter::HOLDING
                                                                                      : GPS_Filter::NO_NEW_DATA;
        return;
    }
    const uint32_t sinceLast = lastGpsTime < 0 ? 0 : uint32_t(std::lround((sample.time - lastGpsTime) * 1000.0));
    if (sample.gpsSource != gpsSource) {
        // Another receiver: its errors differ, so its velocities must not be
        // differenced against the last one's.
        if (!gpsSource.empty()) acceptance.sourceChanged();
        gpsSource = sample.gpsSource;
        kinematics.clear();
    }
    if (lastGpsTime >= 0) lastGpsInterval = sample.time - lastGpsTime;
    lastGpsTime = sample.time;
    switch (acceptance.judge(sample.gps, sample.time, sinceLast)) {
    case GnssAcceptance::ACCEPTED: {
        if (sample.gps.speedAvail && sample.gps.groundSpeed < kStillKnots) lastStillTime = sample.time;
        kinematicsFresh = kinematics.add(sample.gps, sample.time);
        filterResult = GPS_Filter::NEW_ACCEPTED;
        lastAcceptedTime = sample.time;
        everAccepted = true;
        output.gps = sample.gps;
        if (settings.useGPSFilter) gpsFilter.filter(output.gps, sample.time);
        output.gpsValid = true;
        break;
    }
    case GnssAcceptance::STANDING_STILL:
        // Not moving is worth knowing: the earth acceleration is gravity.
        kinematics.clear();
        lastStillTime = sample.time;
        filterResult = GPS_Filter::HOLDING;
        lastAcceptedTime = sample.time;
        break;
    case GnssAcceptance::REJECTED:
        kinematics.clear();
        gpsFilter.clear();
        filterResult = GPS_Filter::REJECTED;
        output.gpsValid = false;
        break;
    }
}

void AttitudeFusion::updateVariation(double time) {
    if (!output.gpsValid || time - lastVariationTime <= kVariationPeriod) return;
    lastVariationTime = time;
    double declination = 0;
    const ChartPosition position(output.gps.longitude, output.gps.latitude);
    output.magneticVariationAvail = variationModel && variationModel(position, output.gps.altitude, declination);
    if (output.magneticVariationAvail) output.magneticVariation = declination;
}

void AttitudeFusion::checkPitot(const RawSample& sample) {
    if (!sample.airspeedAvail) return;
    // The receiver's own speed: the display filter would lag a deceleration.
    const bool suspicious =
        output.gpsValid && kinematics.getGroundSpeedKnots() > kPitotSpeedKnots && sample.airspeed < kPitotMinAirspeed;
    if (suspicious && !pitotWarned) messages("Warning: Check pitot static connection. High groundspeed + no airspeed.");
    pitotWarned = suspicious;
}

void AttitudeFusion::feedStrategies(const RawSample& sample, const Matrix3x3& delta, double dt) {
    const double t = sample.time;
    // The strategies take accelerations in the gravity-down sign.
    const Vector3d acc = -(installation * sample.acc);
    const Vector3d bAcc = -bluredAcc.get();
    const Vector3d mag = installation * sample.mag;
    const Vector3d gyr = installation * sample.gyr - gyroCalibration.getBias();
    const bool gnssUsable = filterResult < GPS_Filter::NO_NEW_DATA;
    const Vector3d earthAcc = kinematics.getAverageSpecificForce();
    // The velocity at the record's moment (a window of zero): compared with
    // the attitude of that moment, a turn's progress since cannot bias it.
    const Vector3d velocity = kinematics.getVelocity();
    const double speed = kinematics.getGroundSpeedKnots(), track = kinematics.getAverageTrack();
    const double window = kinematics.getWindow(), at = kinematics.getTime();
    // Standing still: gravity alone, over the time since the last sample.
    const Vector3d still(0, GnssKinematics::kGravity, 0);
    const bool standing = gnssUsable && !kinematicsFresh && filterResult == GPS_Filter::HOLDING && sample.gpsAvail;

    const double airspeedKnots = units::metresPerSecondToKnots(sample.airspeed);
    const double stillWindow = std::clamp(lastGpsInterval, dt, GnssKinematics::kMaxIntervalSeconds);
    double headingHint = 0;
    // An uncalibrated magnetometer may be off by tens of degrees: once GNSS
    // has given a heading, only a fitted magnetometer may recommend one.
    const bool hasHint =
        sample.magAvail && (magneticHeading.isCalibrated() || !everAccepted) &&
        magneticHeading.recommend(bluredMag.get(), output.attitude, output.magneticVariation, headingHint);
    for (size_t i = 0; i < strategies.size(); ++i) {
        IRotationEstimation* s = strategies[i].get();
        if (!s || (onlyStrategy >= 0 && int(i) != onlyStrategy)) continue;
        s->setIterationTime(t);
        s->setDeltaRotation(sample.gyrAvail ? &delta : nullptr, t - dt, t);
        if (kinematicsFresh || gnssUsable) {
            s->setAverageAcc_abs(standing ? &still : &earthAcc, standing ? stillWindow : window, standing ? t : at);
            s->setAverageVel_abs(&velocity, 0.0, at);
            s->setAverageGroundspeed(&speed, window, at);
            s->setAverageGroundtrack(&track, window, at);
        } else {
            s->setAverageAcc_abs(nullptr, 0, t);
            s->setAverageVel_abs(nullptr, 0, t);
            s->setAverageGroundspeed(nullptr, 0, t);
            s->setAverageGroundtrack(nullptr, 0, t);
        }
        s->setAcc_rel(sample.accAvail ? &acc : nullptr, t);
        s->setMag_rel(sample.magAvail ? &mag : nullptr, t);
        s->setGyro_rel(sample.gyrAvail ? &gyr : nullptr, t);
        s->setBluredAcc_rel(sample.accAvail ? &bAcc : nullptr, t);
        s->setBluredMag_rel(sample.magAvail ? &bluredMag.get() : nullptr, t);
        s->setBluredGyro_rel(sample.gyrAvail ? &bluredGyro.get() : nullptr, t);
        s->setTrueAirspeed(sample.airspeedAvail ? &airspeedKnots : nullptr, t);
        s->setFallbackSpeed(settings.fallbackSpeed);
        s->setGPSFilterResult(filterResult);
        s->setGPSFilterRating(gnssUsable ? GPS_Filter::GOOD : GPS_Filter::UNUSABLE);
        s->setGPSSigmaOverT(settings.gpsK);
        s->setHeadingRecommendation(hasHint, headingHint);
        usable[i] = s->calculateRotationMatrix(results[i]);
    }
}

void AttitudeFusion::selectResult(double dt) {
    std::vector<StrategyCandidate> candidates;
    for (size_t i = 0; i < strategies.size(); ++i)
        if (strategies[i] && usable[i]) candidates.push_back({int(i), strategies[i]->getAxisReliability()});
    const int chosen = StrategySelector::choose(settings.lmodeSelected, candidates, forcedStrategy);
    for (auto& level : output.levels) level = ISensor::GOOD;
    output.strategy = chosen;
    if (chosen < 0) {
        output.warning = ISensor::WRONG;
        output.levels[ISensorData::ATTITUDE] = output.levels[ISensorData::HEADING] = ISensor::WRONG;
        return;
    }
    // A change of strategy would make the instruments jump: the delivered
    // attitude glides to the new strategy's at slerpPerSecond instead.
    if (delivered >= 0 && chosen != delivered) gliding = true;
    delivered = chosen;
    if (gliding) {
        output.attitude = rotation::blend(output.attitude, results[chosen], settings.slerpPerSecond * dt);
        gliding = rotation::angleBetweenDegrees(output.attitude, results[chosen]) > kGlideDoneDegrees;
    }
    if (!gliding) output.attitude = results[chosen];
    strategies[chosen]->setWarningLevels(output.levels, ISensor::MAYBE_WRONG);
    const Vector3d r = strategies[chosen]->getAxisReliability();
    output.warning = std::min({r.x, r.y, r.z}) >= 0.5 ? ISensor::GOOD : ISensor::MAYBE_WRONG;
}

const FusionOutput& AttitudeFusion::step(const RawSample& sample) {
    const double dt = started ? std::clamp(sample.time - lastTime, 0.0, kMaxStep) : kFirstStep;
    started = true;
    lastTime = sample.time;
    output.time = sample.time;
    output.airspeedAvail = sample.airspeedAvail, output.airspeed = sample.airspeed;
    output.insidePressureAvail = sample.insidePressureAvail, output.insidePressure = sample.insidePressure;
    output.outsidePressureAvail = sample.outsidePressureAvail, output.outsidePressure = sample.outsidePressure;

    handleGnss(sample);
    updateVariation(sample.time);
    checkPitot(sample);
    if (!sample.gpsAvail && sample.time - lastAcceptedTime > GnssAcceptance::kHintTimeout) output.gpsValid = false;

    if (!attitudeEnabled) {
        output.attitude = Matrix3x3();
        output.strategy = 10;
        output.warning = ISensor::GOOD;
        output.euler = rotation::toEulerDegrees(output.attitude);
        return output;
    }
    Vector3d acc = installation * sample.acc;
    const Vector3d gyr = installation * sample.gyr;
    const double accLength = acc.getLength();
    if (accLenBias != 0 && accLength > 0) acc = acc * ((accLength + accLenBias) / accLength);
    // A steady turn is as steady as standing: the gyro is only taken for its
    // bias when GNSS says the aircraft stands, or when the pilot asked.
    const bool still = sample.time - lastStillTime <= kStillValidSeconds;
    if (sample.accAvail && sample.gyrAvail && (still || gyroCalibration.isRunning())) gyroCalibration.add(acc, gyr, dt);
    const Vector3d rate = gyr - gyroCalibration.getBias();
    if (sample.accAvail) bluredAcc.add(acc, dt);
    if (sample.magAvail) bluredMag.add(installation * sample.mag, dt);
    if (sample.gyrAvail) bluredGyro.add(rate, dt);
    output.bodyAcc = acc;

    feedStrategies(sample, rotation::fromAxisAngle(rate * dt), dt);
    selectResult(dt);
    if (sample.magAvail)
        magneticHeading.add(bluredMag.get(), output.attitude,
                            filterResult < GPS_Filter::NO_NEW_DATA && output.warning == ISensor::GOOD, dt);

    output.euler = rotation::toEulerDegrees(output.attitude);
    // Turn rate: the body rate about the earth vertical.
    output.turnRate = units::radiansToDegrees((output.attitude * rate).y);
    output.verticalSpeed = kinematics.getVerticalSpeed();
    return output;
}
