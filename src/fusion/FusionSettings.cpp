#include "fusion/FusionSettings.h"

#include "base/StringConversions.h"

const char* const FusionSettings::kDescriptor =
    "configMode,Mode: ,ASK_USER\\;PROBEUNIT\\;INTERNAL_AHRS\\;INTERNAL_GNSS_ONLY\\;EXT_GNSS_AND_AHRS\\;EXT_GNSS_ONLY,"
    "ONE_OF;"
    "lmodeSelected,Estimation: ,DeltaRotations\\;Particle-like filter\\;automatic,ONE_OF;"
    "UseGPSFilter,GPS Filter:,1,BOOLEAN;"
    "gpsK,GPS Sigma/T: ,1,DOUBLE;"
    "restAccThreshhold,Rest threshholds:,0.1,DOUBLE;"
    "restGyrThreshhold,Rest threshholds:,0.24,DOUBLE;"
    "AngularSigma,Gyro recovery [0\\,1]=[fast\\,slow]: ,1.5,DOUBLE;"
    "RollContribution,RollRate->TurnRate contrib. [0\\,1]: ,0.25,DOUBLE;"
    "FallbackSpeed,Fallback Cruising Speed [knots]: ,120,DOUBLE;"
    "MaxAcc,Max. acc. [g]: ,1,DOUBLE;"
    "autoCalibFactor,AutoCalib factor:,0.4,DOUBLE;"
    "autoCalibRecoveryTime,AutoCalib min time [s]:,36000,DOUBLE;"
    "timeout,TimeOut [ms]: ,2000,INT;"
    "AccSigma,AccSigma,0.33,NOT_EDITABLE;"
    "MagSigma,MagSigma,0.33,NOT_EDITABLE;"
    "slerpPerSecond,slerpPerSecond,0.7,NOT_EDITABLE;";

namespace {
template <typename T>
void read(const IniSection& s, const char* key, T& value) {
    auto it = s.find(key);
    if (it != s.end() && !it->second.empty()) value = convertStringTo<T>(it->second);
}
}  // namespace

FusionSettings FusionSettings::fromIni(const IniSection& s) {
    FusionSettings f;
    read(s, "AccSigma", f.accSigma);
    read(s, "AngularSigma", f.angularSigma);
    read(s, "MagSigma", f.magSigma);
    read(s, "FallbackSpeed", f.fallbackSpeed);
    read(s, "MaxAcc", f.maxAcc);
    read(s, "RollContribution", f.rollContribution);
    int gpsFilter = f.useGPSFilter;
    read(s, "UseGPSFilter", gpsFilter);
    f.useGPSFilter = gpsFilter != 0;
    read(s, "gpsK", f.gpsK);
    read(s, "autoCalibFactor", f.autoCalibFactor);
    read(s, "autoCalibRecoveryTime", f.autoCalibRecoveryTime);
    read(s, "restAccThreshhold", f.restAccThreshold);
    read(s, "restGyrThreshhold", f.restGyrThreshold);
    read(s, "slerpPerSecond", f.slerpPerSecond);
    read(s, "timeout", f.timeoutMs);
    // The mode is kept as its number by the presets and as its text by the editor.
    auto mode = s.find("lmodeSelected");
    if (mode != s.end()) {
        const char* const names[] = {"DeltaRotations", "Particle-like filter", "automatic"};
        for (int i = 0; i < 3; ++i)
            if (mode->second == names[i] || mode->second == std::to_string(i)) f.lmodeSelected = i;
    }
    return f;
}
