// Replays the inputs kept from fuzzing the NMEA parser and the sample
// records, with the same checks the fuzz targets make.
#include <gtest/gtest.h>

#include "fuzz/SensorFuzzChecks.h"
#include "support/FuzzReplay.h"

TEST(FuzzRegression, KeptInputsPassTheFuzzChecks) {
    const std::pair<const char*, std::string (*)(const unsigned char*, size_t)> folders[] = {
        {"nmea", sensorfuzz::checkNMEA},
        {"records", sensorfuzz::checkRecord},
    };
    for (const auto& [folder, check] : folders)
        EXPECT_GT(replayFuzzInputs(std::string(CIRRONA_SOURCE_DIR) + "/tests/sensors/core/fuzz/regressions/" + folder,
                                   check),
                  0)
            << folder;
}
