#include "traffic/TrafficWarningHook.h"

#include <cmath>
#include <memory>

#include "base/Time.h"
#include "base/UnitConverter.h"
#include "sensors/InstrumentSensorData.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"
#include "traffic/TrafficCallout.h"

namespace {
constexpr int kWarningMs = 5000;

template <class Sample>
const Sample* defaultSample(const SensorManager& manager, ISensorData::Type type) {
    if (!manager.isDataAvailable(type)) return nullptr;
    ISensor* sensor = manager.getDefaultSensor(type);
    return sensor ? static_cast<const Sample*>(sensor->getData(type)) : nullptr;
}

struct Callouts {
    CalloutScheduler scheduler;
    std::function<void(const std::string&)> speak;
};

void warn(SensorManager& m, const units::UnitConverter* units,
          const std::function<const OwnAircraftIdentity*()>& ownAircraft, Callouts& callouts) {
    const auto* traffic = defaultSample<Traffic_Data>(m, ISensorData::TRAFFIC);
    const auto* position = defaultSample<Position_Data>(m, ISensorData::POSITION);
    if (!traffic || !position) return;
    TrafficWarningInput input;
    input.own = ChartPosition(position->longitude, position->latitude);
    const auto* extended = defaultSample<ExtendedHeading_Data>(m, ISensorData::EXTENDED_HEADING);
    const auto* heading = defaultSample<Heading_Data>(m, ISensorData::HEADING);
    if (extended && !std::isnan(extended->trueHeading)) {
        input.headingKnown = true;
        input.heading = extended->trueHeading;
    } else if (heading) {
        input.headingKnown = true;
        input.heading = heading->heading;
    }
    input.warningAltitudeFeet = m.getTrafficWarningAltitude();
    input.altitudeDifference = [&m](double& metres, const TrafficElement* e) {
        return m.getAltitudeDifference(metres, e);
    };
    input.ownAircraft = ownAircraft ? ownAircraft() : nullptr;
    if (units) {
        input.altitudeFactor = units->toAltitude(1.0);
        input.altitudeLabel = units->getAltitudeLabel();
    }
    const TrafficWarning warning = computeTrafficWarning(traffic->traffic, input);
    if (warning.active) m.showMessage(trafficMessageOwner(), warning.text, warning.colour, kWarningMs);
    if (callouts.speak) {
        const std::string call = callouts.scheduler.update(collectThreats(traffic->traffic, input), getSecs());
        if (!call.empty()) callouts.speak(call);
    }
}
}  // namespace

const void* trafficMessageOwner() {
    static const char owner = 0;
    return &owner;
}

void installTrafficWarning(SensorManager& manager, const units::UnitConverter* units,
                           std::function<const OwnAircraftIdentity*()> ownAircraft,
                           std::function<void(const std::string&)> speak) {
    auto callouts = std::make_shared<Callouts>();
    callouts->speak = std::move(speak);
    manager.setTrafficWarningHook(
        [units, ownAircraft, callouts](SensorManager& m) { warn(m, units, ownAircraft, *callouts); });
}
