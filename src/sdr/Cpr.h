#pragma once
#include <cstdint>

// Compact position reporting of the airborne position messages. A frame
// carries 17-bit fractions of a latitude zone (60 zones per 360 degrees for
// even frames, 59 for odd ones) and of a longitude zone whose count NL
// shrinks towards the poles. A pair of even and odd frames fixes the zone
// globally; one frame suffices near a known reference (within half a zone,
// about 180 NM).

// Number of longitude zones at a latitude (1 to 59).
int cprNL(double latitude);

// Global decode from the latest even and odd frames; the newer one decides
// which zone set the result comes from. False when the pair straddles a
// zone boundary (the two latitudes have different NL).
bool decodeCPR(uint32_t evenLat, uint32_t evenLon, uint32_t oddLat, uint32_t oddLon, bool oddIsNewer, double& latitude,
               double& longitude);

// Local decode of one frame against a reference position within 180 NM.
void decodeCPRRelative(double referenceLatitude, double referenceLongitude, uint32_t cprLat, uint32_t cprLon, bool odd,
                       double& latitude, double& longitude);
