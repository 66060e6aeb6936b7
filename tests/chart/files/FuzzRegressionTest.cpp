// Replays the inputs kept from fuzzing the chart files, with the same checks
// the fuzz targets make.
#include "fuzz/ChartFileFuzzChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const std::string REGRESSIONS = std::string(CIRRONA_SOURCE_DIR) + "/tests/chart/files/fuzz/regressions/";

template <typename Check>
int replay(const std::string& folder, Check check) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(REGRESSIONS + folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(check(bytes.data(), bytes.size()), "") << entry.path();
        ++count;
    }
    return count;
}

TEST(ChartFileFuzzRegression, NamesInputs) {
    EXPECT_GT(replay("names", chartfilefuzz::checkNames), 0);
}

TEST(ChartFileFuzzRegression, LeafFileInputs) {
    EXPECT_GT(replay("leafes", chartfilefuzz::checkLeafFiles), 0);
}

TEST(ChartFileFuzzRegression, BackgroundInputs) {
    EXPECT_GT(replay("background", chartfilefuzz::checkBackground), 0);
}

}  // namespace
