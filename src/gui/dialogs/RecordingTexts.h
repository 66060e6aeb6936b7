#pragma once
#include <cstdint>
#include <ctime>
#include <string>

// Texts of the recording and replay dialogs that follow from values.

// "Flight_2026-12-07_17-42": sorts by date in a folder listing and uses only
// the characters a recording name may have.
std::string defaultRecordingName(const std::tm& localTime);
// The same for the local time now.
std::string defaultRecordingNameNow();

// "1:23 / 10:00" (hours shown once the recording is an hour long): where the
// replay is and how long the recording lasts.
std::wstring formatReplayTime(uint32_t positionMs, uint32_t durationMs);
