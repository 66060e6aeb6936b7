// How GDL90Sensor takes in one decoded message: traffic and uplink data go
// straight into their samples, everything else is kept as the newest
// message of its type for the derivation step.

#include "sensors/gdl90/GDL90Sensor.h"

#include "base/Units.h"
#include "sensors/SensorData.h"

#include <cmath>

namespace {
const int UNKNOWN_VALUE = -100000;
const double NO_POSITION = -360.0;

double normaliseLongitude(double longitude) {
    double wrapped = std::fmod(longitude, 360.0);
    if (wrapped < 0) wrapped += 360.0;
    return wrapped;
}

// Latitudes past a pole come back down on the other side.
double foldLatitude(double latitude) {
    double wrapped = std::fmod(latitude + 90.0, 360.0);
    if (wrapped < 0) wrapped += 360.0;
    return wrapped <= 180.0 ? wrapped - 90.0 : 270.0 - wrapped;
}
}  // namespace

void GDL90Sensor::processReceivedGDL90Message(std::unique_ptr<IGDL90Message> message, double now) {
    if (!message) return;
    switch (message->getType()) {
    case IGDL90Message::UNKNOWN: return;
    case IGDL90Message::TRAFFIC: processTraffic(static_cast<const TrafficGDL90Message&>(*message), now); return;
    case IGDL90Message::UAT_UPLINK: {
        auto& uplink = static_cast<UATUplinkGDL90Message&>(*message);
        if (auto* sample = samples.as<UATUplink_Data>(ISensorData::UAT_UPLINK)) {
            sample->addPackage(std::move(uplink.payload));
            updated[ISensorData::UAT_UPLINK] = true;
            warnings[ISensorData::UAT_UPLINK] = GOOD;
        }
        return;
    }
    default: storeMessage(std::move(message), now); return;
    }
}

void GDL90Sensor::processTraffic(const TrafficGDL90Message& report, double now) {
    auto* sample = samples.as<Traffic_Data>(ISensorData::TRAFFIC);
    if (!sample) return;
    const unsigned key = (report.addressType << 24) | report.address;
    trafficLastHeard[key] = now;
    TrafficElement*& element = sample->traffic[key];
    if (!element) element = new TrafficElement();

    element->icaoAddress = report.address;
    if (report.positionValid) {
        element->longitude = normaliseLongitude(report.longitude);
        element->latitude = foldLatitude(report.latitude);
    } else {
        element->longitude = NO_POSITION;
        element->latitude = NO_POSITION;
    }
    element->altitude = report.altitudeValid ? std::round(units::metresToFeet(report.altitude)) : UNKNOWN_VALUE;
    element->velocity = report.groundSpeedValid ? static_cast<int32_t>(std::lround(report.groundSpeed)) : UNKNOWN_VALUE;
    element->climbRate = report.verticalVelocityValid
                             ? static_cast<int32_t>(std::lround(60.0 * report.verticalVelocity / units::kMetresPerFoot))
                             : UNKNOWN_VALUE;
    element->squawk = 0;
    // Navigation accuracy categories 13..15 are unused by the standard;
    // some receivers send them to tell where a target came from.
    element->capabilityIndex = (report.nacp >= 13 && report.nacp <= 15) ? report.nacp - 5 : 100000;
    element->track = static_cast<float>(report.track);
    element->name = report.callSign;
    updated[ISensorData::TRAFFIC] = true;
    warnings[ISensorData::TRAFFIC] = GOOD;
}

void GDL90Sensor::storeMessage(std::unique_ptr<IGDL90Message> message, double now) {
    if (!message->isValidMsg()) return;
    const IGDL90Message::Type type = message->getType();
    StoredMessage& slot = stored[type];
    if (slot.message && message->isTimeStampAvail()) {
        // Devices that send on several links deliver duplicates and stragglers:
        // only newer device times count, unless the stored one is getting old.
        const bool storedIsOld = now - slot.receivedAt > gdl90PacketTimeout[type] / 2;
        if (!storedIsOld && message->getTimeStampIfAvail() <= slot.message->getTimeStampIfAvail()) return;
    }
    if (slot.message && type >= IGDL90Message::TALOS_PRESSURE && type <= IGDL90Message::TALOS_COMPASS) {
        static_cast<ATalosMessage&>(*message).smoothWith(static_cast<const ATalosMessage&>(*slot.message));
    }
    slot.message = std::move(message);
    slot.receivedAt = now;
}
