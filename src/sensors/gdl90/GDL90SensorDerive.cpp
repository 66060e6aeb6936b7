// How GDL90Sensor turns the newest fresh messages into samples. Where
// several devices deliver the same quantity the dedicated instrument wins:
// Talos before Stratux before ForeFlight before the ownship report.

#include "sensors/gdl90/GDL90Sensor.h"

#include "base/Time.h"
#include "base/Units.h"
#include "sensors/PressureAltitude.h"
#include "sensors/SensorData.h"

#include <cmath>

namespace {
template <typename T>
const T* as(const IGDL90Message* message) {
    return static_cast<const T*>(message);
}
}  // namespace

struct GDL90Sensor::HeadingCandidates {
    double trueTrack = NAN;
    double trueHeading = NAN;
    double magneticHeading = NAN;

    // The first source to offer a value keeps it.
    static void offer(double& slot, double value) {
        if (std::isnan(slot)) slot = value;
    }
};

const IGDL90Message* GDL90Sensor::fresh(IGDL90Message::Type type, double now) const {
    const StoredMessage& slot = stored[type];
    if (!slot.message || now - slot.receivedAt >= gdl90PacketTimeout[type]) return nullptr;
    return slot.message.get();
}

void GDL90Sensor::markUpdated(ISensorData::Type type) { updated[type] = true; }

void GDL90Sensor::updateDataExceptTrafficAndUAT(double now) {
    const uint32_t stamp = getMilliSecs();
    deriveAttitudeAndHeading(now, stamp);
    deriveAcceleration(now, stamp);
    derivePositionAndGPS(now, stamp);
    deriveAirData(now, stamp);
    deriveTurnRateAndAngleOfAttack(now, stamp);
    updateWarnings();
}

void GDL90Sensor::collectHeadingCandidates(double now, HeadingCandidates& c) const {
    const auto* own = as<OwnShipGDL90Message>(fresh(IGDL90Message::OWNSHIP, now));
    if (const auto* gps = as<TalosGPSMessage>(fresh(IGDL90Message::TALOS_GPS, now))) {
        HeadingCandidates::offer(c.trueTrack, gps->getTrack());
    } else if (own && own->trackType == TrafficGDL90Message::TRUE_TRACK) {
        HeadingCandidates::offer(c.trueTrack, own->track);
    }
    if (const auto* compass = as<TalosCompassMessage>(fresh(IGDL90Message::TALOS_COMPASS, now))) {
        HeadingCandidates::offer(c.trueHeading, compass->getTrueHeading());
        HeadingCandidates::offer(c.magneticHeading, compass->getMagneticHeading());
    }
    const auto* stratux = as<StratuxAHRSMessage>(fresh(IGDL90Message::STRATUX_AHRS, now));
    if (stratux && stratux->headingValid) HeadingCandidates::offer(c.trueHeading, stratux->heading);
    const auto* foreFlight = as<FFAHRSMessage>(fresh(IGDL90Message::FFAHRS, now));
    if (foreFlight && foreFlight->headingValid) {
        HeadingCandidates::offer(foreFlight->headingIsTrue ? c.trueHeading : c.magneticHeading,
                                 foreFlight->getHeadingDegrees());
    }
    if (own && own->trackType == TrafficGDL90Message::TRUE_HEADING) HeadingCandidates::offer(c.trueHeading, own->track);
    if (own && own->trackType == TrafficGDL90Message::MAGNETIC_HEADING) {
        HeadingCandidates::offer(c.magneticHeading, own->track);
    }
}

void GDL90Sensor::deriveAttitudeAndHeading(double now, uint32_t stamp) {
    bool haveAttitude = false;
    double roll = 0, pitch = 0;
    const auto* stratux = as<StratuxAHRSMessage>(fresh(IGDL90Message::STRATUX_AHRS, now));
    const auto* foreFlight = as<FFAHRSMessage>(fresh(IGDL90Message::FFAHRS, now));
    if (const auto* talos = as<TalosAttitudeMessage>(fresh(IGDL90Message::TALOS_ATTITUDE, now))) {
        roll = talos->getRoll() * units::kDegreesPerRadian + rollOffset;
        pitch = talos->getPitch() * units::kDegreesPerRadian + pitchOffset;
        haveAttitude = true;
    } else if (stratux && stratux->rollValid && stratux->pitchValid) {
        // Reported right wing down and nose up positive; ours are the opposite.
        roll = rollOffset - stratux->roll;
        pitch = pitchOffset - stratux->pitch;
        haveAttitude = true;
    } else if (foreFlight && foreFlight->rollValid && foreFlight->pitchValid) {
        roll = rollOffset - foreFlight->roll;
        pitch = pitchOffset - foreFlight->pitch;
        haveAttitude = true;
    }

    HeadingCandidates c;
    collectHeadingCandidates(now, c);
    double heading = lastHeading;
    const bool haveHeading =
        !std::isnan(c.trueTrack) || !std::isnan(c.trueHeading) || !std::isnan(c.magneticHeading);
    if (!std::isnan(c.trueTrack)) heading = c.trueTrack;
    else if (!std::isnan(c.trueHeading)) heading = c.trueHeading;
    else if (!std::isnan(c.magneticHeading)) heading = c.magneticHeading;
    lastHeading = heading;
    haveLastAttitude = haveAttitude;
    if (haveAttitude) {
        lastRoll = roll;
        lastPitch = pitch;
    }

    if (haveAttitude) {
        if (auto* attitude = samples.as<Attitude_Data>(ISensorData::ATTITUDE)) {
            attitude->orientation = Matrix3x3::fromEuler(
                units::degreesToRadians(heading), units::degreesToRadians(pitch), units::degreesToRadians(roll));
            attitude->timeStamp = stamp;
            markUpdated(ISensorData::ATTITUDE);
        }
    }
    if (haveHeading) {
        if (auto* sample = samples.as<Heading_Data>(ISensorData::HEADING)) {
            sample->heading = heading;
            sample->timeStamp = stamp;
            markUpdated(ISensorData::HEADING);
        }
    }
    if (!std::isnan(c.trueHeading) || !std::isnan(c.magneticHeading)) {
        if (auto* extended = samples.as<ExtendedHeading_Data>(ISensorData::EXTENDED_HEADING)) {
            extended->trueHeading = static_cast<float>(c.trueHeading);
            extended->magneticHeading = static_cast<float>(c.magneticHeading);
            extended->timeStamp = stamp;
            markUpdated(ISensorData::EXTENDED_HEADING);
        }
    }
}

void GDL90Sensor::deriveAcceleration(double now, uint32_t stamp) {
    auto* sample = samples.as<Acceleration_Data>(ISensorData::ACCELERATION);
    if (!sample) return;
    const auto* stratux = as<StratuxAHRSMessage>(fresh(IGDL90Message::STRATUX_AHRS, now));
    if (const auto* talos = as<TalosAccMessage>(fresh(IGDL90Message::TALOS_ACC, now))) {
        // The unit's x and y point the other way round than ours.
        sample->x = accelerationX.update(-talos->getX(), now);
        sample->y = accelerationY.update(-talos->getY(), now);
        sample->z = accelerationZ.update(talos->getZ(), now);
    } else if (stratux && stratux->gValid) {
        sample->x = 0;
        sample->y = -stratux->g;
        sample->z = 0;
    } else {
        return;
    }
    sample->timeStamp = stamp;
    markUpdated(ISensorData::ACCELERATION);
}

void GDL90Sensor::derivePositionAndGPS(double now, uint32_t stamp) {
    auto* gps = samples.as<GPS_Data>(ISensorData::GPS);
    auto* position = samples.as<Position_Data>(ISensorData::POSITION);
    auto* groundSpeed = samples.as<GroundSpeed_Data>(ISensorData::GROUNDSPEED);
    auto* altitudeSample = samples.as<Altitude_Data>(ISensorData::ALTITUDE);
    const auto* own = as<OwnShipGDL90Message>(fresh(IGDL90Message::OWNSHIP, now));
    const auto* geo = as<OwnShipGeoAltGDL90Message>(fresh(IGDL90Message::OWNSHIP_GEO_ALT, now));
    const auto* talos = as<TalosGPSMessage>(fresh(IGDL90Message::TALOS_GPS, now));

    bool haveFix = false;
    double latitude = 0, longitude = 0, speedKnots = 0, track = 0, altitude = 0;
    bool haveSpeed = false, haveTrack = false, haveAltitude = false;
    if (talos) {
        haveFix = true;
        latitude = talos->getLatitude();
        longitude = talos->getLongitude();
        altitude = talos->getAltitude();
        haveAltitude = true;
        speedKnots = units::metresPerSecondToKnots(talos->getGroundSpeed());
        haveSpeed = true;
        track = talos->getTrack();
        haveTrack = true;
    } else if (own && own->positionValid) {
        haveFix = true;
        latitude = own->latitude;
        longitude = own->longitude;
        // The geometric altitude is what a GNSS receiver measures; the
        // report's own altitude is barometric.
        if (geo) altitude = geo->altitude;
        else altitude = own->altitude;
        haveAltitude = geo || own->altitudeValid;
        speedKnots = own->groundSpeed;
        haveSpeed = own->groundSpeedValid;
        track = own->track;
        haveTrack = own->trackType == TrafficGDL90Message::TRUE_TRACK;
    }
    if (haveFix) {
        if (gps) {
            gps->latitude = latitude;
            gps->longitude = longitude;
            gps->positionAvail = true;
            gps->fixType = 3;
            gps->fixQuality = 1;
            gps->altitudeAvail = haveAltitude;
            if (haveAltitude) gps->altitude = altitude;
            gps->speedAvail = haveSpeed;
            if (haveSpeed) gps->groundSpeed = speedKnots;
            gps->groundTrackAvail = haveTrack;
            if (haveTrack) gps->groundTrack = track;
            if (talos) gps->satellites = static_cast<int32_t>(talos->getSatellites());
            const auto* heartbeat = as<HeartbeatGDL90Message>(fresh(IGDL90Message::HEARTBEAT, now));
            gps->timeAvail = heartbeat && heartbeat->isUTCOk();
            if (gps->timeAvail) {
                gps->hour = static_cast<int32_t>(heartbeat->timeStamp / 3600 % 24);
                gps->minute = static_cast<int32_t>(heartbeat->timeStamp / 60 % 60);
                gps->second = static_cast<int32_t>(heartbeat->timeStamp % 60);
                gps->millisecond = 0;
            }
            gps->timeStamp = stamp;
            markUpdated(ISensorData::GPS);
        }
        if (position) {
            position->longitude = longitude;
            position->latitude = latitude;
            position->timeStamp = stamp;
            markUpdated(ISensorData::POSITION);
        }
        if (groundSpeed && haveSpeed) {
            groundSpeed->groundSpeed = speedKnots;
            groundSpeed->timeStamp = stamp;
            markUpdated(ISensorData::GROUNDSPEED);
        }
        if (altitudeSample && haveAltitude) {
            altitudeSample->altitude = altitude;
            altitudeSample->timeStamp = stamp;
            markUpdated(ISensorData::ALTITUDE);
        }
    }

    // A pressure altitude stands for the static pressure the device measured.
    auto* inside = samples.as<Pressure_Data>(ISensorData::INSIDE_PRESSURE);
    const auto* stratux = as<StratuxAHRSMessage>(fresh(IGDL90Message::STRATUX_AHRS, now));
    bool haveStaticAltitude = true;
    double pressureAltitude = 0;
    if (own && own->altitudeValid) pressureAltitude = own->altitude;
    else if (stratux && stratux->pressureAltitudeValid) pressureAltitude = stratux->pressureAltitude;
    else haveStaticAltitude = false;
    if (inside && haveStaticAltitude) {
        inside->pressure = calcPressureFromAltitude(pressureAltitude, kStandardSeaLevelPressure);
        inside->timeStamp = stamp;
        markUpdated(ISensorData::INSIDE_PRESSURE);
    }
}

void GDL90Sensor::deriveAirData(double now, uint32_t stamp) {
    const auto* talos = as<TalosPressureMessage>(fresh(IGDL90Message::TALOS_PRESSURE, now));
    const auto* stratux = as<StratuxAHRSMessage>(fresh(IGDL90Message::STRATUX_AHRS, now));
    const auto* foreFlight = as<FFAHRSMessage>(fresh(IGDL90Message::FFAHRS, now));
    const auto* own = as<OwnShipGDL90Message>(fresh(IGDL90Message::OWNSHIP, now));

    double airspeed = -1;
    if (talos) airspeed = units::metresPerSecondToKnots(talos->getIndicatedAirspeed());
    else if (stratux && stratux->indicatedAirspeedValid) airspeed = stratux->indicatedAirspeed;
    else if (foreFlight && foreFlight->indicatedAirspeedValid) airspeed = foreFlight->indicatedAirspeed;
    else if (foreFlight && foreFlight->trueAirspeedValid) airspeed = foreFlight->trueAirspeed;
    auto* airspeedSample = samples.as<AirSpeed_Data>(ISensorData::AIRSPEED);
    if (airspeedSample && airspeed >= 0) {
        airspeedSample->airSpeed = airspeed;
        airspeedSample->timeStamp = stamp;
        markUpdated(ISensorData::AIRSPEED);
    }

    if (talos) {
        auto* outside = samples.as<Pressure_Data>(ISensorData::OUTSIDE_PRESSURE);
        if (outside) {
            outside->pressure = talos->getStaticPressure();
            outside->timeStamp = stamp;
            markUpdated(ISensorData::OUTSIDE_PRESSURE);
        }
        // A climb rate from successive pressure altitudes, timed by the device.
        const uint32_t deviceTime = talos->getTimeStampIfAvail();
        if (havePressureAltitude && deviceTime != lastPressureTimeStamp) {
            const double dt = (deviceTime - lastPressureTimeStamp) / 1000.0;
            if (dt > 0 && dt < 10) verticalSpeed.update((talos->getPressureAltitude() - lastPressureAltitude) / dt, now);
        }
        lastPressureAltitude = talos->getPressureAltitude();
        lastPressureTimeStamp = deviceTime;
        havePressureAltitude = true;
    }
    double climb = 0;
    bool haveClimb = true;
    if (talos && verticalSpeed.isInitialised()) climb = verticalSpeed.get();
    else if (stratux && stratux->verticalSpeedValid) climb = stratux->verticalSpeed;
    else if (own && own->verticalVelocityValid) climb = own->verticalVelocity;
    else haveClimb = false;
    auto* climbSample = samples.as<VerticalSpeed_Data>(ISensorData::VERTICALSPEED);
    if (climbSample && haveClimb) {
        climbSample->verticalSpeed = climb;
        climbSample->timeStamp = stamp;
        markUpdated(ISensorData::VERTICALSPEED);
    }

    if (const auto* temperature = as<TalosTemperatureMessage>(fresh(IGDL90Message::TALOS_TEMPERATURE, now))) {
        if (auto* outside = samples.as<Temperature_Data>(ISensorData::OUTSIDE_TEMPERATURE)) {
            outside->temperature = temperature->getOutsideTemperature();
            outside->timeStamp = stamp;
            markUpdated(ISensorData::OUTSIDE_TEMPERATURE);
        }
        if (auto* inside = samples.as<Temperature_Data>(ISensorData::INSIDE_TEMPERATURE)) {
            inside->temperature = temperature->getInsideTemperature();
            inside->timeStamp = stamp;
            markUpdated(ISensorData::INSIDE_TEMPERATURE);
        }
    }
}

void GDL90Sensor::deriveTurnRateAndAngleOfAttack(double now, uint32_t stamp) {
    const auto* stratux = as<StratuxAHRSMessage>(fresh(IGDL90Message::STRATUX_AHRS, now));
    double rate = 0;
    bool haveRate = true;
    if (const auto* gyro = as<TalosGyroMessage>(fresh(IGDL90Message::TALOS_GYRO, now))) {
        // Rotation about the up axis is positive to the left; turn rates to the right.
        rate = turnRate.update(-gyro->getY(), now);
    } else if (stratux && stratux->yawRateValid) {
        rate = stratux->yawRate;
    } else {
        haveRate = false;
    }
    auto* rateSample = samples.as<TurnRate_Data>(ISensorData::TURNRATE);
    if (rateSample && haveRate) {
        rateSample->turnRate = rate;
        rateSample->timeStamp = stamp;
        markUpdated(ISensorData::TURNRATE);
    }

    auto* aoaSample = samples.as<AngleOfAttack_Data>(ISensorData::ANGLE_OF_ATTACK);
    if (!aoaSample) return;
    const auto* levil = as<LevilAoAMessage>(fresh(IGDL90Message::LEVIL_AOA, now));
    if (const auto* talos = as<TalosAoAMessage>(fresh(IGDL90Message::TALOS_AOA, now))) {
        aoaSample->angle = talos->getAngleOfAttack();
        aoaSample->maxAngle = talos->getCriticalAngle() > 0 ? talos->getCriticalAngle() : 15.0f;
        aoaSample->unit = AngleOfAttack_Data::DEGREES;
    } else if (levil && levil->angleOfAttackValid) {
        aoaSample->angle = static_cast<float>(levil->angleOfAttack);
        aoaSample->maxAngle = 1.0f;
        aoaSample->unit = AngleOfAttack_Data::PARTS;
    } else {
        return;
    }
    aoaSample->timeStamp = stamp;
    markUpdated(ISensorData::ANGLE_OF_ATTACK);
}

void GDL90Sensor::updateWarnings() {
    for (ISensorData::Type type : samples.getTypes()) {
        // Traffic and uplink data come and go with what is around; their
        // silence says nothing about the device.
        if (type == ISensorData::TRAFFIC || type == ISensorData::UAT_UPLINK) continue;
        if (updated[type]) warnings[type] = GOOD;
        else if (warnings[type] == GOOD) warnings[type] = MAYBE_WRONG;
        else warnings[type] = WRONG;
    }
}
