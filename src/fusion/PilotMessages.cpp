#include "fusion/PilotMessages.h"

#include "base/StringConversions.h"
#include "sensors/ISensorManagerUI.h"

namespace {
constexpr int kUntilReplaced = -1;
constexpr int kBriefMs = 5000;
constexpr int kWarningMs = 15000;
// Each progress line replaces the previous one before it runs out.
constexpr int kProgressMs = 2000;

const char* const kCalibrationHeadline = "Gyro rate calibration in progress...";
const char* const kRemainingSuffix = " seconds remaining...";

struct Entry {
    const char* text;
    int colour, durationMs;
};
const Entry kEntries[] = {
    {"Warning: Check pitot static connection. High groundspeed + no airspeed.", ISensorManagerUI::WARNING, kWarningMs},
    {kCalibrationHeadline, ISensorManagerUI::NOTICE, kProgressMs},
    {"External ProbeUnit connected.", ISensorManagerUI::NORMAL, kBriefMs},
    {"External Probeunit: DISCONNECTED", ISensorManagerUI::WARNING, kUntilReplaced},
    {"SensorFusionClient: Bind UDP Socket failed.", ISensorManagerUI::WARNING, kUntilReplaced},
    {"Error: Sensor thread init failed.", ISensorManagerUI::WARNING, kUntilReplaced},
};

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
}  // namespace

bool toPilotMessage(const std::string& line, PilotMessage& out) {
    if (endsWith(line, kRemainingSuffix)) {
        // The countdown keeps the headline above it.
        out = {convertUtf8ToWString(std::string(kCalibrationHeadline) + "\n" + line), ISensorManagerUI::NOTICE,
               kProgressMs};
        return true;
    }
    for (const Entry& e : kEntries)
        if (line == e.text) {
            out = {convertUtf8ToWString(line), e.colour, e.durationMs};
            return true;
        }
    return false;
}
