#include "gui/dialogs/RecordingTexts.h"

#include <cstdio>

std::string defaultRecordingName(const std::tm& t) {
    char name[64];
    std::snprintf(name, sizeof name, "Flight_%04d-%02d-%02d_%02d-%02d", (t.tm_year + 1900) % 10000, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min);
    return name;
}

std::string defaultRecordingNameNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return defaultRecordingName(local);
}

namespace {
std::wstring clockText(uint32_t ms, bool withHours) {
    const uint32_t seconds = ms / 1000;
    wchar_t text[24];
    if (withHours) std::swprintf(text, 24, L"%u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
    else std::swprintf(text, 24, L"%u:%02u", seconds / 60, seconds % 60);
    return text;
}
}  // namespace

std::wstring formatReplayTime(uint32_t positionMs, uint32_t durationMs) {
    const bool withHours = durationMs >= 3600 * 1000u;
    return clockText(positionMs, withHours) + L" / " + clockText(durationMs, withHours);
}
