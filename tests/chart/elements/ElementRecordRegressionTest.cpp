#include "ElementRecordCheck.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Inputs the fuzzer once found troublesome (and the seeds it starts from)
// stay in the tree and are replayed on every test run.
TEST(ElementRecordFuzzFinds, AllStoredInputsPass) {
    int replayed = 0;
    for (const char* folder : {"regressions", "corpus"}) {
        const std::string path = std::string(CIRRONA_SOURCE_DIR) + "/tests/chart/elements/fuzz/" + folder;
        DIR* dir = opendir(path.c_str());
        ASSERT_NE(dir, nullptr) << path;
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream in(path + "/" + entry->d_name, std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(checkElementRecord(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "")
                << entry->d_name;
            ++replayed;
        }
        closedir(dir);
    }
    EXPECT_GT(replayed, 0);
}
