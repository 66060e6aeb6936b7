#include "support/FuzzReplay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

int replayFuzzInputs(const std::string& folder, const std::function<std::string(const uint8_t*, size_t)>& check) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(check(bytes.data(), bytes.size()), "") << entry.path();
        ++count;
    }
    return count;
}
