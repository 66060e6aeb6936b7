#pragma once
#include <string>

#include "base/IniFile.h"

// The settings of the fusion service as its sensor section holds them.
struct FusionSettings {
    // The selectable estimation modes of `lmodeSelected`.
    enum Mode { DELTA_ROTATIONS = 0, PARTICLE_LIKE = 1, AUTOMATIC = 2 };

    double accSigma = 0.33;
    double angularSigma = 1.5;
    double magSigma = 0.33;
    double fallbackSpeed = 120;
    double maxAcc = 1;
    double rollContribution = 0.25;
    bool useGPSFilter = true;
    double gpsK = 1;
    double autoCalibFactor = 0.4;
    double autoCalibRecoveryTime = 36000;
    int lmodeSelected = DELTA_ROTATIONS;
    double restAccThreshold = 0.1;
    double restGyrThreshold = 0.24;
    double slerpPerSecond = 0.7;
    int timeoutMs = 2000;

    // Missing keys keep their defaults.
    static FusionSettings fromIni(const IniSection& section);
    // The settings-editor line of the service.
    static const char* const kDescriptor;
};
