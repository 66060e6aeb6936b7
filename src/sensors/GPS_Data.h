#pragma once
#include <cstdint>
#include <string>

#include "sensors/RecordSample.h"

// One GNSS fix as a receiver reports it. A field is meaningful only while
// its availability flag is set.
class GPS_Data : public FixedRecordSample<GPS_Data, 128> {
public:
    int32_t hour = -1, minute = -1, second = -1, millisecond = -1;
    uint32_t timeStamp = 0;
    double latitude = -1.0, longitude = -1.0;
    int32_t fixQuality = 0;  // 0 = no fix
    int32_t satellites = -1;
    double altitude = -1.0;  // metres above mean sea level
    int32_t fixType = 1;     // 1 no fix, 2 2D, 3 3D
    double pdop = -1.0, hdop = -1.0, vdop = -1.0;
    int32_t status = 0;
    int32_t day = -1, month = -1, year = -1;
    double groundSpeed = -1.0;         // knots
    double groundTrack = -1.0;         // degrees true
    double magneticVariation = -9999.0;  // degrees

    bool timeAvail = false;
    bool positionAvail = false;
    bool altitudeAvail = false;
    bool dilutionOfPrecisionAvail = false;
    bool dateAvail = false;
    bool speedAvail = false;
    bool groundTrackAvail = false;
    bool magneticVariationAvail = false;

    Type getType() const override { return GPS; }
    void print() const override;

    // Degrees and decimal minutes with the hemisphere, e.g. "N 47°30.250'".
    std::wstring calcLatitudeString() const;
    std::wstring calcLongitudeString() const;
    // Multi-line description: the flags, then every available field.
    std::wstring toString() const;

    // The fields above in their order; the flags one byte each.
    template <class Visitor>
    void fields(Visitor& v) {
        v(hour, minute, second, millisecond, timeStamp, latitude, longitude, fixQuality, satellites, altitude, fixType,
          pdop, hdop, vdop, status, day, month, year, groundSpeed, groundTrack, magneticVariation);
        v(timeAvail, positionAvail, altitudeAvail, dilutionOfPrecisionAvail, dateAvail, speedAvail, groundTrackAvail,
          magneticVariationAvail);
    }
};

// "N 47°30.250'" style text for a signed coordinate; `positive` and
// `negative` are the hemisphere letters, `degreeDigits` the width of the
// degrees (2 for latitudes, 3 for longitudes).
std::wstring formatCoordinate(double degrees, wchar_t positive, wchar_t negative, int degreeDigits);
