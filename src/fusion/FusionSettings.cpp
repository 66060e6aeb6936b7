#include "fusion/FusionSettings.h"

#include <utility>

#include "base/StringConversions.h"

const char* const FusionSettings::kDescriptor =
    "configMode,Mode: ,ASK_USER\\;PROBEUNIT\\;INTERNAL_AHRS\\;INTERNAL_GNSS_ONLY\\;EXT_GNSS_AND_AHRS\\;EXT_GNSS_ONLY,"
    "ONE_OF;"
    "probeUnitPort,Sensor unit port: ,1991,INT;"
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
    const std::pair<const char*, double*> numbers[] = {{"AccSigma", &f.accSigma},
                                                       {"AngularSigma", &f.angularSigma},
                                                       {"MagSigma", &f.magSigma},
                                                       {"FallbackSpeed", &f.fallbackSpeed},
                                                       {"MaxAcc", &f.maxAcc},
                                                       {"RollContribution", &f.rollContribution},
                                                       {"gpsK", &f.gpsK},
                                                       {"autoCalibFactor", &f.autoCalibFactor},
                                                       {"autoCalibRecoveryTime", &f.autoCalibRecoveryTime},
                                                       {"restAccThreshhold", &f.restAccThreshold},
                                                       {"restGyrThreshhold", &f.restGyrThreshold},
                                                       {"slerpPerSecond", &f.slerpPerSecond}};
    for (const auto& [key, value] : numbers) read(s, key, *value);
    int gpsFilter = f.useGPSFilter;
    read(s, "UseGPSFilter", gpsFilter);
    f.useGPSFilter = gpsFilter != 0;
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
