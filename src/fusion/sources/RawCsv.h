#pragma once
#include <string>

#include "fusion/RawSample.h"

// The raw CSV format: a header line
//   t,ax,ay,az,gx,gy,gz,mx,my,mz,lat,lon,alt,gs,track,sats,pdop,fix
// then one row per raw sample. t seconds; a specific force m/s^2, g body
// rate rad/s, m magnetic field microtesla, all in aircraft axes (x right,
// y up, z forward); on rows with a GNSS record lat/lon degrees, alt metres,
// gs knots, track degrees true, sats, pdop, fix (GGA quality, 0 none);
// empty fields: not in this sample.
namespace raw_csv {

extern const char* const kHeader;

// Reads one row; false for the header, blank lines and rows without a time.
bool parseRow(const std::string& line, RawSample& out);
// One row without a line end.
std::string formatRow(const RawSample& sample);

}  // namespace raw_csv
