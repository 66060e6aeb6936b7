#pragma once
#include <map>

#include "sensors/Traffic_Data.h"

// Dead reckoning of a target between reports, in seconds: the position
// moves along the track at the ground speed (only when position, speed and
// track are all known), the altitude by the climb rate.
void extrapolateTrafficElement(TrafficElement* element, double dtPosition, double dtAltitude);

// How complete a target's report is, as bits OR-ed together: 32 for a
// position, a geometric altitude, a speed or a track; 16 for an altitude;
// 1 for a climb rate. Two sources of the same target keep the better one.
int calcTrafficElementScore(const TrafficElement* element);

// Inserts candidate under its address, or replaces the stored target when the
// candidate scores strictly higher. The map owns its elements: whichever of
// the two is not kept is deleted.
void mergeTraffic(std::map<unsigned, TrafficElement*>& traffic, TrafficElement* candidate);

// Traffic with the top address bit set comes from FLARM.
constexpr unsigned kFlarmAddressBit = 0x80000000u;
// capabilityIndex of a target whose altitude is geometric (MSL) rather than pressure.
constexpr unsigned kGeometricAltitudeCapability = 1000;
