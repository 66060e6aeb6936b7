#include "base/Logger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"

TEST(Logger, RewritesLogTxtAtEveryStartAndTheTargetMaskChoosesWhereLinesGo) {
    TempDir dir;
    writeWholeFile(dir / "log.txt", "yesterday's flight\n");
    const std::string bare = dir.path().substr(0, dir.path().size() - 1);  // without the trailing slash
    Logger log(bare);
    EXPECT_EQ(log.getDirectory(), bare + "/");
    testing::internal::CaptureStdout();
    log.log("to file", Logger::FILE);
    log.log("to console", Logger::CONSOLE);
    log.log(42, Logger::BOTH);
    log.log("lost", Logger::FILE, 7);  // no such stream: nothing happens
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "to console\n42\n");
    EXPECT_EQ(readWholeFile(dir / "log.txt"), "to file\n42\n");
}

TEST(Logger, LinesFromManyThreadsNeverInterleave) {
    TempDir dir;
    Logger log(dir.path());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < 500; ++i) log.log("thread " + std::to_string(t) + " line " + std::to_string(i), Logger::FILE);
        });
    }
    for (std::thread& t : threads) t.join();
    std::istringstream lines(readWholeFile(dir / "log.txt"));
    std::set<std::string> seen;
    for (std::string line; std::getline(lines, line);) seen.insert(line);
    EXPECT_EQ(seen.size(), 2000u);
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](const std::string& l) { return l.rfind("thread ", 0) == 0; }));
}

TEST(Logger, UnopenableDirectoryLosesMessagesQuietly) {
    Logger log("/nonexistent-dir-for-cirrona-tests/");
    log.log("nowhere", Logger::FILE);
    EXPECT_EQ(readWholeFile("/nonexistent-dir-for-cirrona-tests/log.txt"), "");
}
