// cirrona-diag fusion: runs the attitude fusion over a raw CSV file as fast as
// it can and prints one JSON line per output step (ten per second of the
// input's time, GNSS or not).
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "DiagCommand.h"
#include "DiagSupport.h"
#include "fusion/AttitudeFusion.h"
#include "fusion/InstallationCalibration.h"
#include "fusion/sources/RawCsv.h"

namespace {

constexpr double kOutputPeriod = 0.1;

int runFusion(const DiagCommand& self, const std::vector<std::string>& args) {
    std::string file, calibrationPath;
    FusionSettings settings;
    int forced = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--strategy" && i + 1 < args.size()) {
            const std::string& value = args[++i];
            double number = 0;
            if (value == "auto") {
                settings.lmodeSelected = FusionSettings::AUTOMATIC;
            } else if (parseNumber(value, number) && number >= 0 && number < 12 && number == std::floor(number)) {
                forced = int(number);
            } else {
                return diagUsageError(self, "unknown strategy " + value);
            }
        } else if (args[i] == "--calibration" && i + 1 < args.size()) {
            calibrationPath = args[++i];
        } else if (file.empty() && args[i].rfind("--", 0) != 0) {
            file = args[i];
        } else {
            return diagUsageError(self);
        }
    }
    if (file.empty()) return diagUsageError(self, "no file");
    std::ifstream in(file);
    if (!in) {
        std::fprintf(stderr, "cannot open %s\n", file.c_str());
        return 1;
    }
    AttitudeFusion fusion(settings, [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
    if (forced >= 0) {
        if (!fusion.getStrategy(forced)) {
            std::fprintf(stderr, "strategy %d is not available\n", forced);
            return 1;
        }
        fusion.forceStrategy(forced);
    }
    if (!calibrationPath.empty()) {
        InstallationCalibration calibration;
        if (!calibration.load(calibrationPath)) {
            std::fprintf(stderr, "cannot read %s\n", calibrationPath.c_str());
            return 1;
        }
        fusion.setInstallation(calibration.sensorToAircraft());
        fusion.setGyroBias(calibration.gyroBias);
        fusion.setAccLenBias(calibration.accLenBias);
    }
    std::string line;
    RawSample sample;
    double nextOutput = -1;
    while (std::getline(in, line)) {
        if (!raw_csv::parseRow(line, sample)) continue;
        const FusionOutput& out = fusion.step(sample);
        if (nextOutput < 0) nextOutput = sample.time;
        if (sample.time + 1e-9 < nextOutput) continue;
        nextOutput += kOutputPeriod * std::max(1.0, std::floor((sample.time - nextOutput) / kOutputPeriod) + 1);
        std::printf(
            "{\"t\":%.3f,\"roll\":%.2f,\"pitch\":%.2f,\"heading\":%.2f,\"strategy\":%d,\"strategyName\":%s,"
            "\"warning\":%d,\"gps\":%s}\n",
            out.time, out.euler.roll, out.euler.pitch, out.euler.heading, out.strategy,
            jsonString(fusion.getStrategyName(out.strategy)).c_str(), int(out.warning),
            out.gpsValid ? "true" : "false");
    }
    return 0;
}

const DiagCommand kCommand{"fusion", "FILE [--strategy N|auto] [--calibration FILE]",
                           "attitude and heading fused from a raw CSV, as JSON lines", nullptr};

DiagRegistration registration(DiagCommand{
    kCommand.name, kCommand.usage, kCommand.summary,
    [](const std::vector<std::string>& args) { return runFusion(kCommand, args); }});

}  // namespace
