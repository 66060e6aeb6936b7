#include "ElementRecordCheck.h"
#include "ParserInputCheck.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Replays every file of the given folders below fuzz/ through check.
int replay(std::initializer_list<const char*> folders, std::string (*check)(const uint8_t*, size_t)) {
    int replayed = 0;
    for (const char* folder : folders) {
        const std::string path = std::string(CIRRONA_SOURCE_DIR) + "/tests/chart/elements/fuzz/" + folder;
        DIR* dir = opendir(path.c_str());
        EXPECT_NE(dir, nullptr) << path;
        if (!dir)
            continue;
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream in(path + "/" + entry->d_name, std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(check(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "") << entry->d_name;
            ++replayed;
        }
        closedir(dir);
    }
    return replayed;
}

}  // namespace

// Inputs the fuzzers once found troublesome (and the seeds they start from)
// stay in the tree and are replayed on every test run.
TEST(FuzzFinds, ElementRecordsPass) { EXPECT_GT(replay({"regressions", "corpus"}, checkElementRecord), 0); }

TEST(FuzzFinds, ParserInputsPass) {
    EXPECT_GT(replay({"parser-regressions", "parser-corpus"}, checkParserInput), 0);
}
