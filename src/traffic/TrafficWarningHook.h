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
// profile's identity, or null while there is none.
void installTrafficWarning(SensorManager& manager, const units::UnitConverter* units,
                           std::function<const OwnAircraftIdentity*()> ownAircraft);

// The owner key of the traffic messages on the message line.
const void* trafficMessageOwner();
