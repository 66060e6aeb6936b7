// Replays the inputs kept from fuzzing the GDL90 parser and decoders, with
// the same checks the fuzz target makes.
#include "fuzz/GDL90FuzzChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

TEST(GDL90FuzzRegression, KeptInputsPassTheFuzzChecks) {
    const std::string folder = std::string(CIRRONA_SOURCE_DIR) + "/tests/sensors/gdl90/fuzz/regressions/";
    testing::internal::CaptureStderr();
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(gdl90fuzz::checkStream(bytes.data(), bytes.size()), "") << entry.path();
        ++count;
    }
    testing::internal::GetCapturedStderr();
    EXPECT_GT(count, 0);
}

}  // namespace
