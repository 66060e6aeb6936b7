#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds Mode S frames with correct parity, as transponders send them.
namespace modes_encode {

std::vector<uint8_t> identification(uint32_t address, const std::string& callsign);
// Airborne position (type code 11) with a barometric altitude in feet.
std::vector<uint8_t> airbornePosition(uint32_t address, int altitudeFeet, double latitude, double longitude, bool odd);
// Airborne velocity over ground (subtype 1).
std::vector<uint8_t> velocity(uint32_t address, double groundSpeedKnots, double trackDegrees, int verticalRateFpm);
// DF 11 all-call reply.
std::vector<uint8_t> allCallReply(uint32_t address, int capability = 5);
// DF 4 altitude reply and DF 5 identity reply; the parity carries the address.
std::vector<uint8_t> altitudeReply(uint32_t address, int altitudeFeet);
std::vector<uint8_t> identityReply(uint32_t address, unsigned squawk);

// The 17-bit CPR fractions of a position for an even or odd frame.
void encodeCPR(double latitude, double longitude, bool odd, uint32_t& cprLat, uint32_t& cprLon);

}  // namespace modes_encode
