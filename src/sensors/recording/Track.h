#pragma once
#include <string>
#include <vector>

// One point of a flight track as pilots' formats carry it (IGC loggers, GPX).
struct TrackFix {
    double utcSeconds = 0;  // seconds since 1970-01-01 UTC
    double latitude = 0;
    double longitude = 0;
    double gnssAltitude = 0;      // metres MSL
    double pressureAltitude = 0;  // metres, standard atmosphere
    bool hasGnssAltitude = false;
    bool hasPressureAltitude = false;
};

// IGC flight log: the date from "HFDTE" (both the old "HFDTEddmmyy" and the
// newer "HFDTEDATE:ddmmyy,nn"), fixes from B records. Times that step back
// past midnight move to the next day. Empty when there is no date or no fix.
std::vector<TrackFix> parseIgcTrack(const std::string& text);
// GPX 1.0/1.1: every trkpt (and rtept/wpt when there is no track) with
// lat/lon, ele and time. Points without a time are dropped.
std::vector<TrackFix> parseGpxTrack(const std::string& text);

std::string writeGpxTrack(const std::vector<TrackFix>& fixes, const std::string& name);
// The date record of the first fix, "I"/"A" headers left out, then one B record per fix.
std::string writeIgcTrack(const std::vector<TrackFix>& fixes);
