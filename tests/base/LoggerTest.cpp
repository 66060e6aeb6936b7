#include "base/Logger.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"

TEST(Logger, RewritesLogTxtAtEveryStartAndTheTargetMaskAndStreamChooseWhereLinesGo) {
    TempDir dir;
    writeWholeFile(dir / "log.txt", "yesterday's flight\n");
    const std::string bare = dir.path().substr(0, dir.path().size() - 1);  // without the trailing slash
    Logger log(bare);
    EXPECT_EQ(log.getDirectory(), bare + "/");
    const int gps = log.createAdditionalLogFile("gps.txt");
    testing::internal::CaptureStdout();
    log.log("to file", Logger::FILE);
    log.log("to console", Logger::CONSOLE);
    log.log(42, Logger::BOTH);
    log.logStringConsole("plain\n");
    log.log("fix", Logger::FILE, gps);
    log.log("lost", Logger::FILE, 7);  // no such stream: nothing happens
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "to console\n42\nplain\n");
    EXPECT_EQ(readWholeFile(dir / "log.txt"), "to file\n42\n");
    EXPECT_EQ(readWholeFile(dir / "gps.txt"), "fix\n");
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
    std::string line;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.rfind("thread ", 0), 0u) << line;
        seen.insert(line);
    }
    EXPECT_EQ(seen.size(), 2000u);
}

TEST(Logger, UnopenableDirectoryLosesMessagesQuietly) {
    Logger log("/nonexistent-dir-for-cirrona-tests/");
    log.log("nowhere", Logger::FILE);
    EXPECT_EQ(readWholeFile("/nonexistent-dir-for-cirrona-tests/log.txt"), "");
}
