#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "base/Time.h"
#include "sensors/ISensor.h"

const char* const ASensorWithAutopilot::kNoRouteSentence = "$GPRMB,V,,,---,,,,,,,,,V*4b";

void ASensorWithAutopilot::handleAutopilotPackages() {
    if (!autopilotEnabled) return;
    const uint32_t now = getMilliSecs();
    if (sentOnce && TimeDiff(now, lastSentMs) < autopilotPeriodMs) return;
    std::string sentence = routeSource ? routeSource() : std::string();
    if (sentence.empty()) sentence = kNoRouteSentence;
    if (sendToAutopilot(sentence + "\r\n")) {
        sentOnce = true;
        lastSentMs = now;
    }
}

void ASensorWithAutopilot::readAutopilotConfig(const std::string& autopilotIniPath, const std::string& section) {
    IniFile ini(autopilotIniPath);
    const IniSection& values = ini.getSection(section);
    autopilotEnabled = getFromIniSection(values, "autopilotEnabled", false);
    const int period = convertStringTo<int>(getFromIniSection(values, "autopilotPeriodMs", "1000"));
    autopilotPeriodMs = period > 0 ? uint32_t(period) : 1000;
}

std::string ASensorWithAutopilot::getSettingsGUICode() {
    return "autopilotEnabled,Send route to autopilot,0,BOOLEAN;"
           "autopilotPeriodMs,Autopilot update period [ms]: ,1000,INT;";
}

