#pragma once
#include <string>
#include <vector>

#include "sensors/recording/LogFileReader.h"
#include "sensors/recording/Track.h"

// Pilots' own track formats as replay sources and as exports of a recording.

// Opens a recording, or an ".igc" / ".gpx" file (by its extension, any case)
// turned into a recording of GPS, position, altitude and ground-speed samples.
bool openReplaySource(LogFileReader& reader, const std::string& path);

// The recording of a track: per fix a GPS sample (time, date, position,
// altitude, speed and track from the leg to the previous fix), a position,
// an altitude (GNSS, else pressure) and a ground speed, stamped with the
// milliseconds since the first fix.
std::string recordingFromTrack(const std::vector<TrackFix>& fixes);

// The track of a recording, at most one fix a second: positions from the
// position samples (or GPS samples when there are none), altitude from the
// latest altitude sample, UTC from the latest GPS sample with time and date
// (else counted from `fallbackStartUtc`).
std::vector<TrackFix> trackFromRecording(LogFileReader& reader, double fallbackStartUtc);
