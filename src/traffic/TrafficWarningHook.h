#pragma once
#include <functional>

#include "traffic/TrafficWarning.h"

class SensorManager;
namespace units {
class UnitConverter;
}

// Runs the traffic warning inside every sensor-manager update: reads the
// default traffic, position and heading samples, and shows the warning on
// the pilot's message line for five seconds under the traffic owner.
// units: the pilot's units (feet when null); ownAircraft: the current
// profile's identity, or null while there is none; speak, when given (the
// pilot enabled spoken calls), receives the traffic calls to say.
void installTrafficWarning(SensorManager& manager, const units::UnitConverter* units,
                           std::function<const OwnAircraftIdentity*()> ownAircraft,
                           std::function<void(const std::string&)> speak = {});

// The owner key of the traffic messages on the message line.
const void* trafficMessageOwner();
