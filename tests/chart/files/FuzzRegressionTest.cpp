// Replays the inputs kept from fuzzing the chart files, with the same checks
// the fuzz targets make.
#include "fuzz/ChartFileFuzzChecks.h"
#include "support/FuzzReplay.h"

#include <gtest/gtest.h>

TEST(ChartFileFuzzRegression, KeptInputsPassTheFuzzChecks) {
    const std::pair<const char*, std::string (*)(const unsigned char*, size_t)> folders[] = {
        {"names", chartfilefuzz::checkNames},
        {"leafes", chartfilefuzz::checkLeafFiles},
        {"background", chartfilefuzz::checkBackground},
    };
    for (const auto& [folder, check] : folders)
        EXPECT_GT(replayFuzzInputs(std::string(CIRRONA_SOURCE_DIR) + "/tests/chart/files/fuzz/regressions/" + folder,
                                   check),
                  0)
            << folder;
}
