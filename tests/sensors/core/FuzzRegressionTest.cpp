// Replays the inputs kept from fuzzing the NMEA parser and the sample
// records, with the same checks the fuzz targets make.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/SensorFuzzChecks.h"

namespace {

const std::string kRegressions = std::string(CIRRONA_SOURCE_DIR) + "/tests/sensors/core/fuzz/regressions/";

template <typename Check>
int replay(const std::string& folder, Check check) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kRegressions + folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(check(bytes.data(), bytes.size()), "") << entry.path();
        ++count;
    }
    return count;
}

TEST(FuzzRegression, NMEAInputs) { EXPECT_GT(replay("nmea", sensorfuzz::checkNMEA), 0); }

TEST(FuzzRegression, SampleRecordInputs) { EXPECT_GT(replay("records", sensorfuzz::checkRecord), 0); }

}  // namespace
